#include "MainForm.h"

TMainForm::TMainForm(QWidget* parent) : QMainWindow(parent) {
    setWindowTitle(QStringLiteral("Merenje brzine reakcije v1.0 - Ordanel - Velk"));
}
