#include "help/frmSplash.h"

#include "help/InfoWindowParts.h"
#include "help/MakerLinks.h"
#include "platform/AppContext.h"
#include "ui/Theme.h"


frmSplash::frmSplash(AppContext &context, QWidget *owner)
    : QDialog(owner)
{
    setObjectName(QStringLiteral("frmSplash"));
    setWindowTitle(QStringLiteral(" Zampora - Zampora Software"));
    InfoWindowParts::frame(this, { 661, 467 }, Qt::white, Theme::colour(Theme::Colour::SplashBackdrop));

    InfoWindowParts::picture(this, "imgSplash", "splash", { 18, 14, 625, 380 });

    // The dark blue link needs a light ground where the window darkens.
    auto *plate = new QWidget(this);
    plate->setObjectName(QStringLiteral("panLink"));
    plate->setAttribute(Qt::WA_StyledBackground);
    plate->setStyleSheet(QStringLiteral("#panLink { background: white; border-radius: 6px; }"));
    plate->setGeometry(18, 408, 300, 44);
    InfoWindowParts::link(plate, { 8, 6 }, "imgWeb", "web", MakerLinks::webAddress(),
        [&context] { context.platform.shell.openUrl(MakerLinks::webUrl()); });
    InfoWindowParts::closeButton(this, { 418, 412, 225, 36 });
    // Not moved here: a dialog first shown unmoved is centred over its owner
    // as the owner stands at that moment.
}
