// The GIF decoder of the ball pictures over any bytes: never a crash, never
// one allocation of a whole MiB past the picture cap, and any picture it
// gives within the cap. tests/fuzz/run's memory limit, the cap and one MiB,
// stops such an allocation; libFuzzer's limit counts one allocation at a
// time and in whole MiB, and a picture at the cap takes exactly the cap in
// one, so an allocation past the cap by less goes unseen.
#include "app/BallPictures.h"
#include "app/GifDecode.h"

#include <cstdlib>

namespace {

constexpr qint64 Cap = qint64(app::PictureAllocationLimitMb) * 1024 * 1024;

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const QByteArray bytes = QByteArray::fromRawData(reinterpret_cast<const char *>(data), qsizetype(size));
    const QImage picture = app::decodeGif(bytes, Cap);
    if (!picture.isNull() && qint64(picture.width()) * picture.height() * 4 > Cap)
        std::abort();
    return 0;
}
