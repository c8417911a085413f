#include "dogs/PhotoActions.h"

#include "dogs/AlbumPhoto.h"
#include "dogs/PhotoBox.h"
#include "dogs/frmZoom.h"
#include "platform/AppContext.h"

PhotoActions::PhotoActions(AppContext &context, QWidget *owner, PhotoBox *box)
    : m_context(context)
    , m_owner(owner)
    , m_box(box)
{
}

void PhotoActions::showAlbumPhoto(const QString &position)
{
    m_box->setPicture(AlbumPhoto::load(m_context.folder, position));
}

void PhotoActions::storeAlbumPhoto(const QString &position)
{
    if (!AlbumPhoto::save(m_context.folder, position, m_box->picture()))
        m_box->showPlaceholder();
}

void PhotoActions::loadFromFile()
{
    const QString path = m_context.platform.fileDialogs.openFile(m_owner,
        QStringLiteral("Selezionare un file di immagine in formato Jpeg o Bitmap."),
        QStringLiteral("Immagine JPEG (*.jpg *.jpeg);;Immagine Bitmap (*.bmp)"));
    if (!path.isEmpty())
        m_box->setPicture(AlbumPhoto::readPicture(path));
}

void PhotoActions::saveToFile()
{
    FileDialogs::SaveRequest request;
    request.title = QStringLiteral("Selezionare la cartella in cui si desidera salvare il file Jpeg.");
    request.filter = QStringLiteral("File Jpeg (*.jpg)");
    request.proposedName = QStringLiteral("Foto.jpg");
    request.defaultSuffix = QStringLiteral("jpg");
    request.confirmOverwrite = true;
    const QString path = m_context.platform.fileDialogs.saveFile(m_owner, request);
    if (!path.isEmpty() && !AlbumPhoto::writeJpeg(m_box->picture(), path))
        m_box->showPlaceholder();
}

void PhotoActions::clear()
{
    m_box->showPlaceholder();
}

void PhotoActions::zoom()
{
    frmZoom window(m_context, m_owner, m_box->picture());
    window.exec();
}
