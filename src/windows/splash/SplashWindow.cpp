#include "windows/splash/SplashWindow.h"

#include "core/Program.h"
#include "ui/ClickLabel.h"
#include "ui/Fonts.h"
#include "ui/Layout.h"
#include "ui/Resources.h"

#include <QLabel>
#include <QTimer>

namespace {
// The gold of the artwork's lettering, light enough to read on the version's dark plate.
const QColor VersionGold(236, 206, 130);
} // namespace

Splash::Splash(QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::FramelessWindowHint),
      version_(new QLabel(QStringLiteral("0.000"), this)), info_(new QLabel(this)),
      timer_(new QTimer(this)) {
    setObjectName(QStringLiteral("Splash"));
    setWindowTitle(QStringLiteral("Tarnwick 2000"));
    setWindowIcon(resources::icon(resources::WindowIcon, devicePixelRatioF()));
    setFixedSize(twips::px(layout::splash::Width), twips::px(layout::splash::Height));

    version_->setObjectName(QStringLiteral("lbl_Version"));
    version_->setGeometry(layout::splash::lbl_Version.px());
    version_->setFont(fonts::verdana(8.25, true));
    version_->setAlignment(Qt::AlignCenter);
    setTextColour(version_, VersionGold);

    info_->setObjectName(QStringLiteral("sInfo"));
    info_->setGeometry(layout::splash::sInfo.px());
    info_->setFont(fonts::verdana(8.25));
    info_->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    setTextColour(info_, Qt::white);

    timer_->setObjectName(QStringLiteral("sTimer2"));
    timer_->setInterval(2000);
    timer_->setSingleShot(true);
    connect(timer_, &QTimer::timeout, this, &Splash::timeUp);
}

bool Splash::load(bool show) {
    if (!show) return false;
    version_->setText(Program::version + QString::number(Program::revision));
    timer_->start();
    return true;
}

void Splash::paintEvent(QPaintEvent*) {
    resources::paintPicture(this, picture_);
}
