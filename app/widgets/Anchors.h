#pragma once

#include <QObject>
#include <QRect>
#include <QSize>
#include <QWidget>
#include <vector>

enum Anchor { akLeft = 1, akTop = 2, akRight = 4, akBottom = 8 };

// Keeps each child at its designed distances to the anchored edges of its parent: a widget
// anchored on opposite sides stretches, one anchored right or bottom only moves.
class AnchorLayout : public QObject {
    Q_OBJECT
public:
    AnchorLayout(QWidget* parent, QSize designSize);

    // Places the widget at its designed box (relative to the design size) and keeps it anchored.
    void Place(QWidget* widget, QRect designBox, int anchors);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    struct Entry {
        QWidget* widget;
        QRect box;
        int anchors;
    };
    void Apply(const Entry& e) const;

    QWidget* parent_;
    QSize design_;
    std::vector<Entry> entries_;
};
