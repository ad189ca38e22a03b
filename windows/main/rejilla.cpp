#include "windows/main/rejilla.h"

#include <QAbstractItemModel>
#include <QHeaderView>

RejillaDatos::RejillaDatos(QWidget* padre) : QTableView(padre)
{
    setSelectionBehavior(QAbstractItemView::SelectItems);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setWordWrap(false);
    verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 8);
    setEditTriggers(QAbstractItemView::DoubleClicked | QAbstractItemView::SelectedClicked
                    | QAbstractItemView::EditKeyPressed | QAbstractItemView::AnyKeyPressed);
}

void RejillaDatos::confirmarEdicion()
{
    if (state() == QAbstractItemView::EditingState) {
        if (QWidget* editor = viewport()->focusWidget(); editor && editor != viewport()) {
            commitData(editor);
            closeEditor(editor, QAbstractItemDelegate::NoHint);
        }
    }
    if (model())
        model()->submit();
}
