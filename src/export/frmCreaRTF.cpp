#include "export/frmCreaRTF.h"

#include "export/DocumentExport.h"
#include "export/DogCardRtf.h"
#include "export/ExportError.h"
#include "platform/AppContext.h"
#include "storage/ShortText.h"
#include "ui/Centring.h"
#include "ui/GradientWidget.h"
#include "ui/Theme.h"

#include <QHBoxLayout>
#include <QIODevice>
#include <QLabel>
#include <QPushButton>
#include <QSvgWidget>
#include <QVBoxLayout>

namespace {

constexpr QSize windowSize(377, 292);

QPushButton *addButton(const char *objectName, const QString &caption, QWidget *parent)
{
    auto *button = new QPushButton(caption, parent);
    button->setObjectName(QString::fromLatin1(objectName));
    button->setMinimumHeight(30);
    button->setAutoDefault(false);
    return button;
}

} // namespace

frmCreaRTF::frmCreaRTF(AppContext &context, QWidget *card, RecordTexts dog, const QString &mode)
    : QDialog(card, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint)
    , m_context(context)
    , m_dog(std::move(dog))
    , m_exports(trimmedText(mode) == QLatin1StringView("cani"))
{
    Q_ASSERT(&m_dog.layout() == &DogRecord::layout());
    setObjectName(QStringLiteral("frmCreaRTF"));
    setWindowTitle(QStringLiteral(" Esporta scheda in RTF"));
    setFixedSize(windowSize);

    auto *background = new GradientWidget(Theme::colour(Theme::Colour::DogBackdrop), this);
    background->setGeometry(rect());

    auto *modeLabel = new QLabel(mode, this);
    modeLabel->setObjectName(QStringLiteral("lblMemory"));
    modeLabel->hide();

    auto *picture = new QSvgWidget(QStringLiteral(":/export/rtf.svg"), background);
    picture->setObjectName(QStringLiteral("imgSpiegazione"));
    picture->setFixedSize(picture->sizeHint());
    picture->setAccessibleName(
        QStringLiteral("La scheda corrente sarà esportata in un documento RTF da stampare o salvare."));

    QPushButton *cancel = addButton("btnAnnulla", QStringLiteral("Annulla"), background);
    QPushButton *exportButton = addButton("btnEsporta", QStringLiteral("Esporta e stampa"), background);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    connect(exportButton, &QPushButton::clicked, this, &frmCreaRTF::btnEsportaClick);

    auto *buttons = new QHBoxLayout;
    buttons->setSpacing(10);
    buttons->addStretch();
    buttons->addWidget(cancel);
    buttons->addWidget(exportButton);
    auto *column = new QVBoxLayout(background);
    column->setContentsMargins(20, 16, 20, 16);
    column->addWidget(picture, 0, Qt::AlignHCenter);
    column->addStretch();
    column->addLayout(buttons);

    // Centred on the dog card, wherever the card stands.
    if (card)
        move(card->geometry().topLeft() + centredIn(card->size(), size()));
}

void frmCreaRTF::openForDogCard(AppContext &context, QWidget *card, const RecordTexts &dog)
{
    frmCreaRTF window(context, card, dog, QStringLiteral("cani"));
    window.exec();
}

void frmCreaRTF::btnEsportaClick()
{
    if (m_exports)
        exportCard();
    accept();
}

void frmCreaRTF::exportCard()
{
    static const ExportDialogue dialogue {
        QStringLiteral("Questa procedura esporterà la scheda corrente in un documento in formato RTF."
                       "\r\n\r\nSi conferma la creazione del file?"),
        QStringLiteral("Il file RTF è stato creato con successo.\r\n\r\nSi vuole aprire il documento?"),
        QStringLiteral("Attenzione: il sistema non permette di esportare i dati.\n\r\n\r"
                       "Accertarsi che il documento non sia già aperto."),
    };
    QList<QString> values;
    for (const DogCardRtf::Field &field : DogCardRtf::fields())
        values.append(m_dog.value(field.field));
    exportDocument(m_context, this, dialogue, DogCardRtf::fileName, [&](QIODevice &device) {
        const QByteArray document = DogCardRtf::document(values);
        if (device.write(document) != document.size())
            throw ExportError("cannot write the document");
    });
}
