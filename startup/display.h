#pragma once

// Which display the program opens, and one line for the user when it cannot.

#include "version_record.h"

#include <QString>
#include <QStringList>

#include <optional>

namespace startup {

struct DisplayChoice {
    // The platform is the program's choice, not the user's.
    bool chosenHere = false;
    // The one line to tell the user when there is no display to open.
    std::optional<QString> problem{};
};

// Chooses the platform before the application is made. Where the user named
// none (-platform, QT_QPA_PLATFORM), an X display is preferred whenever there
// is one, also on a Wayland session, since only X lets a window ask to stay
// off the task bar; otherwise Wayland where there is a Wayland display.
DisplayChoice chooseDisplay(const QStringList &arguments, const VersionRecord &record);

// Held around the making of the application: a display that does not
// answer, or a platform that is not there or cannot start, ends the program
// with one line that names it, and status 1; nothing else Qt says meanwhile
// is shown then. Qt's own failure to connect is
// the check, so no connection is made beforehand just to test the display.
class DisplayConnectionWatch {
public:
    DisplayConnectionWatch(const VersionRecord &record, const DisplayChoice &choice);
    // Passes on what else Qt said while the platform started.
    ~DisplayConnectionWatch();
    DisplayConnectionWatch(const DisplayConnectionWatch &) = delete;
    DisplayConnectionWatch &operator=(const DisplayConnectionWatch &) = delete;

    // Once the application is made: a platform that started without a
    // screen to show a window on ends the program too.
    void requireScreen() const;
};

} // namespace startup
