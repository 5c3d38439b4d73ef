#include "Anchors.h"

#include <QEvent>

AnchorLayout::AnchorLayout(QWidget* parent, QSize designSize)
    : QObject(parent), parent_(parent), design_(designSize) {
    parent->installEventFilter(this);
}

void AnchorLayout::Place(QWidget* widget, QRect designBox, int anchors) {
    entries_.push_back({widget, designBox, anchors});
    Apply(entries_.back());
}

void AnchorLayout::Apply(const Entry& e) const {
    // Before the parent has been laid out it still has its designed size.
    const QSize now = parent_->testAttribute(Qt::WA_Resized) ? parent_->size() : design_;
    const int dx = now.width() - design_.width();
    const int dy = now.height() - design_.height();
    QRect r = e.box;
    if ((e.anchors & akLeft) && (e.anchors & akRight))
        r.setWidth(e.box.width() + dx);
    else if (e.anchors & akRight)
        r.moveLeft(e.box.left() + dx);
    if ((e.anchors & akTop) && (e.anchors & akBottom))
        r.setHeight(e.box.height() + dy);
    else if (e.anchors & akBottom)
        r.moveTop(e.box.top() + dy);
    e.widget->setGeometry(r);
}

bool AnchorLayout::eventFilter(QObject* watched, QEvent* event) {
    if (watched == parent_ && event->type() == QEvent::Resize)
        for (const Entry& e : entries_)
            Apply(e);
    return QObject::eventFilter(watched, event);
}
