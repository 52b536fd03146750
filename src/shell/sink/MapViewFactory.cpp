#include "src/shell/sink/MapViewFactory.h"

#include "src/editor/CTarnMapSectionSettingTreeInstanceCtrl.h"
#include "src/shell/sink/CTarnMapDataCommandSink.h"
#include "src/views/CTarnMapSectionListInstanceCtrl.h"
#include "src/views/CTarnMapSymbolListInstanceCtrl.h"

std::unique_ptr<CTarnDebugInstanceDataCtrlEx> MakeListView(int kind,
                                                           CTarnMapDataCommandSink& sink) {
    switch (kind) {
        case kViewSectionSettingTree:
            return std::make_unique<CTarnMapSectionSettingTreeInstanceCtrl>(
                sink.Host(), sink.FrameManager(), &sink, &sink.DataManager(), kind);
        case kViewSectionList:
            return std::make_unique<CTarnMapSectionListInstanceCtrl>(
                sink.Host(), sink.FrameManager(), &sink, &sink.DataManager(), kind);
        case kViewSymbolList:
            return std::make_unique<CTarnMapSymbolListInstanceCtrl>(
                sink.Host(), sink.FrameManager(), &sink, &sink.DataManager(),
                &sink.FindHistoryList(), kind);
        default:
            return nullptr;
    }
}
