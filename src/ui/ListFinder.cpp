#include "ui/ListFinder.h"

#include "platform/MessageBoxes.h"
#include "ui/EnterKeyRing.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QLineEdit>

ListFinder::ListFinder(MessageBoxes &messages, QLineEdit *box, QAbstractButton *button, QAbstractItemView *list)
    : QObject(list)
    , m_messages(messages)
    , m_box(box)
    , m_list(list)
{
    (new EnterKeyRing(this))->chain({ box, button });
    connect(button, &QAbstractButton::clicked, this, &ListFinder::btnTrovaClick);
}

void ListFinder::reset()
{
    m_find.forget();
    m_box->clear();
}

void ListFinder::btnTrovaClick()
{
    const QAbstractItemModel *model = m_list->model();
    const int count = model ? model->rowCount() : 0;
    if (count == 0) {
        m_messages.notice(m_list->window(),
                          QString::fromUtf8("Ricerca non applicabile: la lista non contiene nessuna voce."));
        return;
    }
    const auto select = [this, model](qsizetype row) {
        const QModelIndex index = model->index(int(row), 0);
        m_list->selectionModel()->setCurrentIndex(index, QItemSelectionModel::ClearAndSelect);
        m_list->scrollTo(index);
    };
    const QModelIndexList selected = m_list->selectionModel()->selectedIndexes();
    if (selected.isEmpty())
        select(0);
    const qsizetype current = selected.isEmpty() ? 0 : selected.first().row();
    const auto lineAt = [model](qsizetype row) { return model->index(int(row), 0).data().toString(); };
    if (const auto found = m_find.findNext(count, lineAt, current, m_box->text()))
        select(*found);
}
