#pragma once

#include "storage/RecordTexts.h"

#include <QDialog>
#include <QImage>

struct AppContext;

// The dog card's print window: prints the dog card it is handed, as the card
// shows it, photo and unsaved changes included, or closes without printing.
class frmStampaCane : public QDialog
{
    Q_OBJECT

public:
    /// card is the window that shows dog (a record of the dog layout) and
    /// photo: the dog's own or the placeholder that stands for a missing one.
    frmStampaCane(AppContext &context, QWidget *card, RecordTexts dog, const QImage &photo);

    /// Opens the window over the dog card, modally, and destroys it afterwards.
    static void printDogCard(AppContext &context, QWidget *card, const RecordTexts &dog, const QImage &photo);

    /// The picture printed when the card hands no photo.
    static QImage defaultPicture();

private:
    void btnStampaClick();

    AppContext &m_context;
    const RecordTexts m_dog;
    const QImage m_photo;
};
