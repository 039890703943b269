// Start-up benchmark hook (bench/mesure-demarrage.sh), shared by Vantrel's measured build and
// the bare reference window it is compared with, so that both are timed the same way.
#pragma once

#include <QCoreApplication>
#include <QEvent>
#include <QTimer>
#include <chrono>
#include <cstdio>

namespace vantrel::banc {

/// Installed on a window: once its first paint has been handled and flushed, prints the
/// steady-clock (CLOCK_MONOTONIC) time in nanoseconds and quits.
class PremierePeinture : public QObject {
public:
    bool eventFilter(QObject* objet, QEvent* evenement) override {
        if (evenement->type() == QEvent::Paint && !vue_) {
            vue_ = true;
            QTimer::singleShot(0, [] {
                std::printf("%lld\n", static_cast<long long>(
                                          std::chrono::steady_clock::now().time_since_epoch() /
                                          std::chrono::nanoseconds(1)));
                std::fflush(stdout);
                QCoreApplication::quit();
            });
        }
        return QObject::eventFilter(objet, evenement);
    }

    /// Watches the window.
    void surveille(QObject* fenetre) { fenetre->installEventFilter(this); }

private:
    bool vue_ = false;
};

} // namespace vantrel::banc
