#pragma once
// What the picture choosers show and start from: their titles, the file filter, where the file
// chooser opens, and the folder browser's status line.
#include "base/text.h"
#include "view/folder_scan.h"

namespace quillory {

// The folder browser's prompt on systems with the larger browser: the callback finds the static
// that shows it and turns it into the status line.
inline constexpr TextView kBrowseStatusMarker = u"quilloryBrowseFolder";
inline constexpr TextView kBrowsePrompt = u"画像のフォルダを選択してください。";

// "%0.32s - "%0.32s" - 絵の選択" and "… - 絵のフォルダの選択" with the album's name and the label.
Text fileChooserTitle(TextView albumName, TextView label);
Text folderChooserTitle(TextView albumName, TextView label);

// The filter pairs, each text ended by a NUL and the whole by a second NUL: bitmaps only without
// the decoder, every picture type with it.
Text fileChooserFilter(bool gdiplusActive);

struct FileChooserStart {
    Text folder;  // the initial folder; empty leaves the chooser's own
    Text name;    // the initial file name
};

// Where the file chooser opens for a Page whose File is `file`: the picture's folder and name, a
// folder Page's folder, or (for a drive root or less) the folder the previous chooser started in.
// The name never exceeds a path's capacity, so it fits the chooser's buffer.
FileChooserStart fileChooserStart(TextView file, const FullPathResolver& fullPath, TextView previousFolder);

// ""Trip" --- 画像ファイル 12 個、" for the folder highlighted in the browser (its resolved path).
Text folderStatusLine(TextView resolvedFolder, int pictureCount);

}  // namespace quillory
