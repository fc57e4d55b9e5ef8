#include "wm/FfmpegWmRuntime.h"

#include "wm/FfmpegProfileManager.h"
#include "wm/FfmpegSyncReader.h"
#include "wm/FfmpegWmWriter.h"

namespace tonvexa {

WmResult FfmpegWmRuntime::CreateSyncReader(std::unique_ptr<WmSyncReader>* reader) {
    if (!reader) return WM_E_INVALIDARG;
    *reader = std::make_unique<FfmpegSyncReader>();
    return WM_S_OK;
}

WmResult FfmpegWmRuntime::CreateProfileManager(WmProfileManagerPtr* manager) {
    if (!manager) return WM_E_INVALIDARG;
    *manager = std::make_unique<FfmpegProfileManager>();
    return WM_S_OK;
}

WmResult FfmpegWmRuntime::CreateWriter(WmWriterPtr* writer) {
    if (!writer) return WM_E_INVALIDARG;
    *writer = std::make_unique<FfmpegWmWriter>();
    return WM_S_OK;
}

}  // namespace tonvexa
