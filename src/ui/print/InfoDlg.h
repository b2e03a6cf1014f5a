#pragma once
// TInfoDlg: a small modal message window with a headline, five text lines and
// a progress bar that closes itself after a given time, or at once when its
// button is pressed. The tick interval is kept between calls: a duration of
// 0 makes this and every later dialog wait for the button.
#include <QDialog>
#include <functional>
#include <QString>

class QLineEdit;
class QPlainTextEdit;
class QProgressBar;
class QPushButton;
class QTimer;

namespace ruvek::ui {

class TInfoDlg : public QDialog {
    Q_OBJECT
public:
    explicit TInfoDlg(QWidget* parent = nullptr);

    // Shows the dialog modally; returns when it closed.
    void ShowInfo(const QString& caption, const QString& headline, const QString& line1, const QString& line2,
                  const QString& line3, const QString& line4, const QString& line5, int durationMs);
    // The texts and timing of ShowInfo, without running it (tests, non-modal use).
    void prepare(const QString& caption, const QString& headline, const QStringList& lines, int durationMs);

    int tickInterval() const { return interval_; }
    int ticks() const { return ticks_; }

    // The dialog's clock: started with the time between two ticks when the
    // dialog shows, stopped when it closes. By default a QTimer; a test puts
    // in its own and steps the ticks with tick(), so nothing waits for time
    // to pass.
    void useClock(std::function<void(int intervalMs)> start, std::function<void()> stop);
    // One step of the progress bar; the step after the last closes the dialog.
    void tick() { Timer1Timer(); }

protected:
    void showEvent(QShowEvent* event) override;

private:
    void Timer1Timer();

    int interval_ = 3000;
    int ticks_ = 0;
    QLineEdit* edit1_ = nullptr;
    QPlainTextEdit* memo1_ = nullptr;
    QProgressBar* progressBar1_ = nullptr;
    QPushButton* bitBtn1_ = nullptr;
    QTimer* timer1_ = nullptr;
    std::function<void(int)> startClock_;
    std::function<void()> stopClock_;
};

} // namespace ruvek::ui
