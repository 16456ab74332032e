#include "application.h"

#include "fonts.h"

namespace ui {

void prepareApplication() {
    QApplication::setOrganizationName(QStringLiteral("Quabrix International"));
    QApplication::setApplicationName(QStringLiteral("Vantorel"));
    installFontSubstitutes();
}

int runForm(QApplication &app, Form &form) {
    QObject::connect(&form, &Form::programEnded, &app, &QCoreApplication::quit,
                     Qt::QueuedConnection);
    form.show();
    return app.exec();
}

} // namespace ui
