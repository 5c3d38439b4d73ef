#pragma once

#include <QObject>

class QKeyEvent;
class QWidget;

// Offers typed letters to the buttons of one window: a plain letter when the focus is on a
// widget that takes no text, a letter with Alt wherever the focus is. A visible, enabled
// button whose caption marks that letter (whatever its case) is clicked and the key goes no
// further. An Alt+letter that no button takes is typed nowhere (a spin box refuses it).
class AccessKeys : public QObject {
    Q_OBJECT
public:
    explicit AccessKeys(QWidget* window);
    ~AccessKeys() override;

    // True when the focused widget keeps typed characters for itself.
    static bool TakesText(const QWidget* widget);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    bool Offer(QChar letter);
    static bool InSpinBox(const QWidget* widget);

    QWidget* window_;
};
