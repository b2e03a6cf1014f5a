#include "print/CanvasReplay.h"

namespace ruvek {

void ReplayOps(const std::vector<CanvasOp>& ops, Canvas& target)
{
    for (const CanvasOp& op : ops) {
        target.setFont(op.font);
        target.setTextAlign(op.align);
        target.setCharacterExtra(op.characterExtra);
        target.setPenWidth(op.penWidth);
        target.setBrush(op.brush);
        switch (op.kind) {
        case CanvasOpKind::SetMetricMapping: target.setMetricMapping(); break;
        case CanvasOpKind::TextOut: target.textOut(op.x1, op.y1, op.text); break;
        case CanvasOpKind::MoveTo: target.moveTo(op.x1, op.y1); break;
        case CanvasOpKind::LineTo:
            target.moveTo(op.x1, op.y1);
            target.lineTo(op.x2, op.y2);
            break;
        case CanvasOpKind::Rectangle: target.rectangle(op.x1, op.y1, op.x2, op.y2); break;
        case CanvasOpKind::StretchPicture: (void)target.stretchPicture(op.file, op.x1, op.y1, op.x2, op.y2); break;
        case CanvasOpKind::SetTextAlign:
        case CanvasOpKind::SetFont:
        case CanvasOpKind::SetCharacterExtra:
        case CanvasOpKind::SetPenWidth:
        case CanvasOpKind::SetBrush: break; // the state is set above
        }
    }
}

} // namespace ruvek
