#pragma once

// The renderer's pictures go to their file as finished PNGs: encoded in
// memory first, then written in one piece. The PNG encoder, writing to a
// failing file itself, would print its own complaint and leave its row
// buffers behind; this way a full disk is the file's failure alone, told in
// one line by the caller.

class QImage;
class QIODevice;

namespace render {

// False when the picture could not be encoded or written.
bool WritePng(QIODevice& file, const QImage& picture);

} // namespace render
