// Page 2: the selection handlers that feed the preview window. They belong
// to the main window because they act on its member list; the preview
// window itself only loads and shows the picture.
#include "app/TForm1.h"

#include "platform/FilePath.h"
#include "app/ShellRoutines.h"
#include "forms/PreviewExtensions.h"

namespace sorvane {

void TForm1::ListView_FilesSelectItem(bool fromList) {
  // While the window is hidden the list's selection changes do nothing;
  // "Bilder&vorschau" prepares the picture when it opens the window.
  if (!preview_.Visible() && fromList) return;
  const int selected = view_.FilesSelection();
  if (selected < 0 || selected >= files_.Count()) {
    preview_.ClearPicture();
    return;
  }
  const AnsiString name(files_.Name(selected));
  if (IndexOfText(PreviewExtensions, ExtractFileExt(name)) < 0) {
    preview_.ClearPicture();
    return;
  }
  const std::string copy =
      extraction_.ExtractMember(catalogue_.FindMember(name), GetTempFolder(services_.systemFolders), true);
  try {
    preview_.LoadPictureFromFile(copy);
  } catch (...) {
    // The copy goes also when it does not load; the failure is reported
    // after that.
    ShellFileOperation(services_.shell, Shell::FO_DELETE, {copy}, "", false);
    throw;
  }
  ShellFileOperation(services_.shell, Shell::FO_DELETE, {copy}, "", false);
}

void TForm1::Button_PreviewClick() {
  ListView_FilesSelectItem(false);
  preview_.Show();
}

}  // namespace sorvane
