// Preloaded into a Qt program by the start-up benchmark: writes monotonic
// timestamps (ns) to the descriptor named by BRIMSEL_STARTUP_PROBE_FD when
// the application object is constructed, when a top-level widget first gets
// its show event, when its window is first exposed, and when the program is
// next idle after that, its first frame painted, with the peak resident
// memory up to then (kB); then ends the process at once. The program itself
// is unchanged.
#include <unistd.h>

#include <QCoreApplication>
#include <QEvent>
#include <QTimer>
#include <QWidget>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>

namespace {

int ProbeDescriptor() {
    const char* fd = std::getenv("BRIMSEL_STARTUP_PROBE_FD");
    return fd != nullptr ? std::atoi(fd) : -1;
}

void Stamp(const char* what) {
    timespec now{};
    clock_gettime(CLOCK_MONOTONIC, &now);
    char line[64];
    const int n = std::snprintf(line, sizeof line, "%s %lld\n", what,
                                static_cast<long long>(now.tv_sec) * 1000000000LL + now.tv_nsec);
    if (write(ProbeDescriptor(), line, static_cast<size_t>(n)) != n) _exit(3);
}

// The process's peak resident set so far, VmHWM of /proc/self/status, in kB.
long long PeakResidentKb() {
    std::FILE* status = std::fopen("/proc/self/status", "r");
    if (status == nullptr) return -1;
    char line[256];
    long long kb = -1;
    while (std::fgets(line, sizeof line, status) != nullptr) {
        if (std::strncmp(line, "VmHWM:", 6) == 0) kb = std::atoll(line + 6);
    }
    std::fclose(status);
    return kb;
}

class FirstShow : public QObject {
  public:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Show && !shown_ && watched->isWidgetType() &&
            static_cast<QWidget*>(watched)->isWindow()) {
            shown_ = true;
            Stamp("show");
        } else if (event->type() == QEvent::Expose && shown_ && !exposed_ &&
                   watched->isWindowType()) {
            exposed_ = true;
            Stamp("exposed");
            // Runs once the exposure, and all the painting it causes, is done.
            QTimer::singleShot(0, [] {
                Stamp("painted");
                char line[64];
                const int n =
                    std::snprintf(line, sizeof line, "peak_rss_kb %lld\n", PeakResidentKb());
                if (write(ProbeDescriptor(), line, static_cast<size_t>(n)) != n) _exit(3);
                _exit(0);
            });
        }
        return false;
    }

  private:
    bool shown_ = false;
    bool exposed_ = false;
};

void InstallProbe() {
    if (ProbeDescriptor() < 0) return;
    Stamp("application");
    QCoreApplication::instance()->installEventFilter(new FirstShow);
}

}  // namespace

Q_COREAPP_STARTUP_FUNCTION(InstallProbe)
