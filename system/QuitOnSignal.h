// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class QCoreApplication;

// Ends the event loop normally when the session asks the program to stop (SIGTERM, SIGINT, SIGHUP), so that the
// notification-area icon is removed and everything is destroyed in order, as when the window is closed. Call once,
// after the application exists.
void quitOnTerminationSignals(QCoreApplication& application);
