#pragma once
// Fonts and PDF output need a GUI application object; without a display the
// offscreen platform serves.
#include <QGuiApplication>

#include <cstdlib>
#include <memory>

inline std::unique_ptr<QGuiApplication> makeGuiApplication()
{
    if (QGuiApplication::instance())
        return nullptr;
    const char* platform = std::getenv("QT_QPA_PLATFORM");
    const char* display = std::getenv("DISPLAY");
    const char* wayland = std::getenv("WAYLAND_DISPLAY");
    if ((!platform || !*platform) && (!display || !*display) && (!wayland || !*wayland))
        setenv("QT_QPA_PLATFORM", "offscreen", 1);
    static int argc = 1;
    static char name[] = "ruvek-cli";
    static char* argv[] = {name, nullptr};
    return std::make_unique<QGuiApplication>(argc, argv);
}
