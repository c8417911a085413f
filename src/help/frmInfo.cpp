#include "help/frmInfo.h"

#include "help/InfoWindowParts.h"
#include "help/MakerLinks.h"
#include "platform/AppContext.h"
#include "ui/Centring.h"

frmInfo::frmInfo(AppContext &context, QWidget *owner)
    : QDialog(owner)
{
    setObjectName(QStringLiteral("frmInfo"));
    setWindowTitle(QStringLiteral(" Informazioni su Zampora"));
    InfoWindowParts::frame(this, { 473, 579 }, Qt::black, Qt::white);
    InfoWindowParts::logoBand(this, 84);

    InfoWindowParts::picture(this, "imgInformazioni", "informazioni", { 20, 100, 433, 330 });

    InfoWindowParts::link(this, { 74, 456 }, "imgEmail", "email", MakerLinks::supportAddress(),
        [&context] { context.platform.shell.openUrl(MakerLinks::supportMailLink()); });
    InfoWindowParts::closeButton(this, { 176, 522, 120, 36 });

    move(centredIn(context.platform.screen.size(), size()));
}
