// The GIF decoder of the ball pictures over any bytes: never a crash, never
// an allocation past the picture cap (the run's memory limit stops one), and
// any picture it gives within the cap.
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
