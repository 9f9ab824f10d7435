// The contact sheet mode: frames spread over a stretch, in one PNG.
#include "tools/render/contact_sheet.h"
#include "tools/render/progress_bar.h"
#include "tools/render/render_modes.h"

#include "platform/report.h"

#include <cerrno>
#include <cstdio>
#include <cstring>

namespace {

// Where Debian's fonts-dejavu-core puts the faces, as the image maker reads
// them.
const char* const kFontDir = "/usr/share/fonts/truetype/dejavu";

} // namespace

int RenderContactSheet(const RenderOptions& options, OfflineProduction& production) {
    std::vector<double> times;
    for (int i = 0; i < options.sheetCount; ++i)
        times.push_back(SheetTime(options.from, options.to, options.sheetCount, i));
    SheetLayout layout = LayOutSheet(production.Width(), production.Height(), options.sheetColumns,
                                     options.sheetCount);
    ContactSheet sheet;
    if (!sheet.Init(layout, times, kFontDir))
        return 1;
    Exposure exposure;
    exposure.Init(production.Width(), production.Height(), ExposureOf(options));
    PngEncoder encoder;
    if (!encoder.Init(layout.width, layout.height)) {
        Report("no memory for a %dx%d sheet", layout.width, layout.height);
        return 1;
    }

    ProgressBar progress;
    progress.Start(options.sheetCount);
    for (int i = 0; i < options.sheetCount; ++i) {
        sheet.Place(i, exposure.Take(production, times[i]));
        progress.Update(i + 1);
    }
    progress.Finish(options.sheetCount);
    if (!encoder.Encode(sheet.Pixels()) || !encoder.WriteFile(options.sheetPath.c_str())) {
        Report("cannot write %s: %s", options.sheetPath.c_str(),
               std::strerror(errno ? errno : ENOMEM));
        return 1;
    }
    return 0;
}
