#include "application.h"

#include "fonts.h"
#include "style.h"

namespace ui {

namespace {
QString toQString(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}
} // namespace

void prepareApplication(const VersionRecord &record) {
    QApplication::setOrganizationName(toQString(record.company));
    QApplication::setApplicationName(toQString(record.product));
    QApplication::setApplicationVersion(toQString(record.version));
    // Lets the desktop match the window to the program's desktop entry and
    // so to its icon and name.
    QGuiApplication::setDesktopFileName(toQString(record.desktopEntry));
    installFontSubstitutes();
    QApplication::setStyle(new Style);
}

int runForm(QApplication &app, Form &form) {
    QObject::connect(&form, &Form::programEnded, &app, &QCoreApplication::quit,
                     Qt::QueuedConnection);
    form.show();
    return app.exec();
}

} // namespace ui
