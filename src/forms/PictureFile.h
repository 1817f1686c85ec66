#pragma once

#include <string>

#include "platform/PictureDecoder.h"

namespace sorvane {

// Error texts of picture loading.
namespace texts {
inline constexpr char kUnknownPictureExtension[] = "Unbekannte Bilddateierweiterung (.%s)";
inline constexpr char kUnsupportedPictureFormat[] = "Das Bildformat .%s kann nicht angezeigt werden";
}  // namespace texts

// Loads the picture in the file at path with the decoder its extension
// names, compared without regard to case: "jpg" and "jpeg" JPEG, "bmp" a
// Windows bitmap. Icons and metafiles ("ico", "wmf", "emf") are picture
// types this program does not decode: they fail with
// "Das Bildformat .%s kann nicht angezeigt werden"; any other extension with
// "Unbekannte Bilddateierweiterung (.%s)", %s being the extension without
// its dot as the name writes it. A file that does not decode fails with the
// decoder's message.
Picture LoadPicture(PictureDecoder& decoder, const std::string& path);

}  // namespace sorvane
