#include "dialogs/CellEditorDelegate.h"

#include <QLineEdit>

namespace kvd::gui {

CellEditorDelegate::CellEditorDelegate(QObject* parent, FieldRule rule, Commit commit,
                                       CanEdit canEdit)
    : QStyledItemDelegate(parent),
      rule_(rule),
      commit_(std::move(commit)),
      canEdit_(std::move(canEdit)) {}

QWidget* CellEditorDelegate::createEditor(QWidget* parent, const QStyleOptionViewItem&,
                                          const QModelIndex& index) const {
    if (canEdit_ && !canEdit_(index.row(), index.column())) {
        return nullptr;
    }
    QLineEdit* editor = MakeRuledField(parent, "cellEditor", rule_);
    editor->setFrame(false);
    editor->setAlignment(Qt::Alignment(index.data(Qt::TextAlignmentRole).toInt()));
    return editor;
}

void CellEditorDelegate::setEditorData(QWidget* editor, const QModelIndex& index) const {
    ShowStored(static_cast<QLineEdit*>(editor), index.data(Qt::EditRole).toString());
}

void CellEditorDelegate::setModelData(QWidget* editor, QAbstractItemModel*,
                                      const QModelIndex& index) const {
    commit_(index.row(), index.column(), static_cast<QLineEdit*>(editor)->text());
}

}  // namespace kvd::gui
