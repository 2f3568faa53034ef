#include "app/gui/gui_import_ui.h"

#include <QFileDialog>
#include <QHeaderView>
#include <QMessageBox>
#include <QStringList>
#include <QTreeView>

#include "app/gui/wait_form.h"
#include "import/import_texts.h"

namespace tamikaze {
namespace {

// The dialog opens wide enough for its detail view to show the size, type and
// date columns whole, their headers too; the name takes the rest.
void ShowColumnsWhole(QFileDialog& dialog) {
  constexpr QSize kAtLeast(760, 440);
  dialog.resize(dialog.sizeHint().expandedTo(kAtLeast));
  auto* view = dialog.findChild<QTreeView*>(QStringLiteral("treeView"));
  if (view == nullptr) return;
  QHeaderView* header = view->header();
  header->setStretchLastSection(false);
  header->setSectionResizeMode(0, QHeaderView::Stretch);
  for (int column = 1; column < header->count(); ++column) {
    header->setSectionResizeMode(column, QHeaderView::ResizeToContents);
  }
}

}  // namespace

QString QtNameFilter(const std::string& filter) {
  const QStringList parts = QString::fromStdString(filter).split('|');
  QStringList entries;
  for (int i = 0; i + 1 < parts.size(); i += 2) {
    entries.push_back(parts[i] + QStringLiteral(" (") + parts[i + 1] + QStringLiteral(")"));
  }
  return entries.join(QStringLiteral(";;"));
}

void ShowMessage(QWidget* parent, const QString& text) {
  QMessageBox box(QMessageBox::NoIcon, QStringLiteral("TamikazeNetData"), text, QMessageBox::Ok,
                  parent);
  box.exec();
}

std::optional<std::string> RunOpenDialog(QWidget* parent, const OpenFileRequest& request,
                                         const QString& dialogName) {
  QFileDialog dialog(parent, QString::fromStdString(request.title),
                     QString::fromStdString(request.initialFolder));
  dialog.setObjectName(dialogName);
  dialog.setFileMode(QFileDialog::ExistingFile);
  dialog.setAcceptMode(QFileDialog::AcceptOpen);
  dialog.setNameFilter(QtNameFilter(request.filter));
  dialog.setOption(QFileDialog::HideNameFilterDetails);
  ShowColumnsWhole(dialog);
  if (!request.fileName.empty()) dialog.selectFile(QString::fromStdString(request.fileName));
  if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return std::nullopt;
  return dialog.selectedFiles().first().toStdString();
}

GuiImportUi::GuiImportUi(QWidget* mainWindow) : mainWindow_(mainWindow) {}

GuiImportUi::~GuiImportUi() = default;

std::optional<std::string> GuiImportUi::OpenFile(const OpenFileRequest& request) {
  if (givenArchive_ && request.title == import_texts::kArchiveTitle) {
    return std::exchange(givenArchive_, std::nullopt);
  }
  return RunOpenDialog(mainWindow_, request, QStringLiteral("LoadDlg"));
}

void GuiImportUi::Message(const std::string& text) {
  lastMessage_ = text;
  ShowMessage(mainWindow_, QString::fromStdString(text));
}

void GuiImportUi::ShowWait(const std::string& message) {
  waitForm_ = std::make_unique<TWaitForm>(mainWindow_);
  waitForm_->SetMessage(QString::fromStdString(message));
  waitForm_->ShowNow();
}

// The window is released at once; its destructor gives the cursor back. The
// import repaints the main window after it.
void GuiImportUi::HideWait() {
  if (!waitForm_) return;
  waitForm_->hide();
  waitForm_.reset();
}

void GuiImportUi::Repaint() {
  if (mainWindow_ != nullptr) mainWindow_->repaint();
}

}  // namespace tamikaze
