#include "ui/accessibility/StatusAnnouncer.h"

#include <QAccessible>
#include <algorithm>

#include "ui/accessibility/AccessibleInterfaces.h"

namespace tessora {

namespace {
// A change that is replaced at once is not said at all.
constexpr int kSettleMilliseconds = 300;
}  // namespace

StatusNotice::StatusNotice(QWidget* statusLine) : QWidget(statusLine) {
    InstallAccessibleInterfaces();
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setFixedSize(1, 1);
    hide();
}

StatusAnnouncer::StatusAnnouncer(QWidget* statusLine) : notice_(new StatusNotice(statusLine)) {
    timer_.setSingleShot(true);
    connect(&timer_, &QTimer::timeout, this, &StatusAnnouncer::Announce);
}

void StatusAnnouncer::StatusChanged(const QString& text) {
    if (!QAccessible::isActive()) return;
    status_ = text;
    Schedule();
}

void StatusAnnouncer::ExplanationChanged(const QString& text) {
    if (!QAccessible::isActive()) return;
    explanation_ = text;
    Schedule();
}

void StatusAnnouncer::Schedule() {
    int wait = kSettleMilliseconds;
    if (sinceStone_.isValid()) {
        wait = std::max<int>(wait, kAfterStoneMilliseconds - sinceStone_.elapsed());
    }
    timer_.start(wait);
}

void StatusAnnouncer::StoneAnnounced() {
    sinceStone_.start();
    if (timer_.isActive()) timer_.start(kAfterStoneMilliseconds);
}

void StatusAnnouncer::Announce() {
    // A notification is said when it appears.
    notice_->hide();
    QString said = explanation_;
    if (!said.isEmpty() && !status_.isEmpty()) said += QLatin1Char(' ');
    notice_->setAccessibleName(said + status_);
    explanation_.clear();
    status_.clear();
    notice_->show();
}

}  // namespace tessora
