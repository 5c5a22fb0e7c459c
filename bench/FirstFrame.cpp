// SPDX-License-Identifier: GPL-3.0-or-later
// Preloaded into a Qt program by the start-up measurement: when the first
// window has painted its first frame, prints the monotonic time to stderr
// and ends the program. The program itself is not changed.

#include <QCoreApplication>
#include <QEvent>
#include <QTimer>
#include <QWidget>

#include <cstdio>
#include <ctime>

namespace {

class FirstFrame : public QObject {
public:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (!seen_ && event->type() == QEvent::Paint && watched->isWidgetType()) {
            seen_ = true;
            // Runs once the paint (and the flush that follows it) is done.
            QTimer::singleShot(0, [] {
                timespec now{};
                clock_gettime(CLOCK_MONOTONIC, &now);
                std::fprintf(stderr, "first-frame %lld.%09ld\n", static_cast<long long>(now.tv_sec),
                             now.tv_nsec);
                std::fflush(stderr);
                QCoreApplication::exit(0);
            });
        }
        return false;
    }

private:
    bool seen_ = false;
};

void Install() {
    QCoreApplication::instance()->installEventFilter(new FirstFrame);
}

} // namespace

Q_COREAPP_STARTUP_FUNCTION(Install)
