// The bonus command 「地方競馬出馬表の読込＆変換」: a saved race-card page of
// the local-racing site into one race file.

#include <optional>
#include <utility>

#include "app/gui/gui_import_ui.h"
#include "app/gui/main_form.h"
#include "app/gui/print_form.h"
#include "import/local_page_import.h"
#include "text/system_error_text.h"

namespace tamikaze {

namespace {

// The page dialog LoadDlg2, message boxes and the message window of the main
// window. A page given on the command line or dropped on the window answers
// the dialog instead.
class GuiPageImportUi : public PageImportUi {
 public:
  GuiPageImportUi(TMainForm& form, Main& main, std::optional<std::string> given = std::nullopt)
      : form_(form), main_(main), given_(std::move(given)) {}

  std::optional<std::string> OpenPage(const OpenFileRequest& request) override {
    if (given_) return std::exchange(given_, std::nullopt);
    return RunOpenDialog(&form_, request, QStringLiteral("LoadDlg2"));
  }
  void Message(const std::string& text) override {
    lastMessage_ = text;
    ShowMessage(&form_, QString::fromStdString(text));
  }
  void ShowPrintForm(int lineCount) override {
    lastMessage_.clear();
    for (int k = 1; k <= lineCount; ++k) lastMessage_ += main_.PrintLines[k];
    tamikaze::ShowPrintForm(main_, &form_, lineCount);
  }
  void Repaint() override { form_.repaint(); }

  // The last message shown, for the status line.
  const std::string& LastMessage() const { return lastMessage_; }

 private:
  TMainForm& form_;
  Main& main_;
  std::optional<std::string> given_;
  std::string lastMessage_;
};

}  // namespace

void TMainForm::ChihouMenuClick() {
  RunPageImport(std::nullopt);
}

// A page that ends in an error is said in a box, and nothing is written.
// The status line says what came of it.
void TMainForm::RunPageImport(const std::optional<std::string>& given) {
  GuiPageImportUi ui(*this, main_, given);
  PageImportReport report;
  std::string error;
  try {
    ImportLocalPage(main_, ui, PageImportSettings{}, report);
  } catch (const std::exception& e) {
    ShowError(e);
    error = ErrorMessageText(e);
  }
  ShowStatus(PageImportStatus(report, ui.LastMessage(), error, main_.OutputDir));
}

void TMainForm::ShowNotLocalPageMessage() {
  GuiPageImportUi ui(*this, main_);
  tamikaze::ShowNotLocalPageMessage(main_, ui);
}

}  // namespace tamikaze
