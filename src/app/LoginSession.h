#pragma once

#include <QString>

// Who is logged in and with which rights, for the life of the process. The defaults are what
// the program sees when no account exists.
struct LoginSession {
    int ManagerID = 0;
    QString righ_;
    QString rightx;
    bool clew = true;
    QString userName;
};
