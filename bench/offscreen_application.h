#pragma once

// The application the timing programs run the real forms in: Qt's offscreen
// platform unless the caller chose another, and the programs' font stand-ins.

#include "ui/fonts.h"

#include <QApplication>

class OffscreenApplication {
public:
    OffscreenApplication(int &argc, char **argv) : m_app(offscreen(argc), argv) {
        ui::installFontSubstitutes();
    }

private:
    static int &offscreen(int &argc) {
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
            qputenv("QT_QPA_PLATFORM", "offscreen");
        return argc;
    }

    QApplication m_app;
};
