// What the shell framework tests share: the headless backend, the component's resource table
// from the real resource library (made the component's, not the current one), a real substitute
// host (no workspace, options in a fresh directory), and a view and a command sink that record what
// the framework asks of them.
#pragma once

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "host/lib/SubstituteHost.h"
#include "platform/backend/HeadlessBackend.h"
#include "platform/resources/ResourceContext.h"
#include "src/shell/framework/CTarnDebugInstanceDataCtrlEx.h"
#include "src/shell/framework/CUiDebugCommandSink.h"
#include "src/shell/framework/CViewFrameManager.h"
#include "src/shell/framework/ComponentModuleState.h"
#include "src/shell/sink/CTarnMapDataCommandSink.h"
#include "tests/support/TempDir.h"

namespace shelltest {

inline const tarnui::ResourceLibrary* ResourceLibrary() {
    static std::unique_ptr<tarnui::ResourceLibrary> library = [] {
        std::string error;
        auto loaded = tarnui::ResourceLibrary::Load(TARN_BINARY_DIR "/libTarnMapExtRes.so", &error);
        EXPECT_NE(loaded, nullptr) << error;
        return loaded;
    }();
    return library.get();
}

// A view that records every call the framework makes, in a journal shared with the test.
class RecordingView : public CTarnDebugInstanceDataCtrlEx {
public:
    RecordingView(std::string name, std::vector<std::string>* journal, IBraeHost* host,
                  CViewFrameManager* manager, CUiCommandSink* sink, bool printable = false)
        : CTarnDebugInstanceDataCtrlEx(host, manager, sink, nullptr, 1),
          name_(std::move(name)),
          journal_(journal),
          printable_(printable) {
        SetCaption(name_);
    }
    ~RecordingView() override { Log("delete"); }

    void BeforeDestroy() override {
        Log("before-destroy");
        CTarnDebugInstanceDataCtrlEx::BeforeDestroy();
    }
    void Refresh() override { Log("refresh"); }
    void SetViewFont(const std::string& face, int size) override {
        Log("font " + face + " " + std::to_string(size));
    }
    void SetViewColors(const std::string& item, int foreground, int background) override {
        Log("colours " + item + " " + std::to_string(foreground) + " " +
            std::to_string(background));
    }
    void PrintView() override { Log("print"); }
    bool HasPrintData() override { return printable_; }
    void OnDebuggerFirst() override { Log("debugger 1"); }
    void OnDebuggerSecond() override { Log("debugger 2"); }

    void SetPrintable(bool on) { printable_ = on; }
    const std::string& Name() const { return name_; }

private:
    void Log(const std::string& what) {
        if (journal_ != nullptr) {
            journal_->push_back(name_ + ": " + what);
        }
    }

    std::string name_;
    std::vector<std::string>* journal_;
    bool printable_;
};

class ShellTest : public ::testing::Test {
protected:
    ShellTest()
        : use_(backend_),
          host_(nullptr, {.installDir = dir_.Path().string(),
                          .hostPlaceholders = {},
                          .configDir = dir_.Path().string()}) {
        SetComponentResourceTable(&ResourceLibrary()->Table());
    }
    ~ShellTest() override { SetComponentResourceTable(nullptr); }

    IBraeHost* Host() { return host_.Host(); }
    tarnhost::DockingFramework& Docking() { return host_.Docking(); }

    // A sink whose window exists, as the component makes it.
    std::unique_ptr<CUiDebugCommandSink> MakeSink(CViewFrameManager* manager) {
        auto sink = std::make_unique<CUiDebugCommandSink>(Host(), manager);
        EXPECT_TRUE(sink->Create(nullptr, {}, 0, 0));
        return sink;
    }

    // A view in a new pane of its own, taken into the sink's list.
    RecordingView* OpenView(CUiCommandSink& sink, CViewFrameManager& manager,
                            const std::string& name, bool printable = false,
                            int32_t dockBar = kDockBarBottom) {
        tarnui::Window* pane = manager.CreatePane("{KEY}" + name, name, 0x1A04, dockBar);
        EXPECT_NE(pane, nullptr);
        auto view =
            std::make_unique<RecordingView>(name, &journal_, Host(), &manager, &sink, printable);
        EXPECT_TRUE(view->CreateViewWindow(pane, &sink));
        return static_cast<RecordingView*>(sink.AddView(std::move(view)));
    }

    tarnhost::TempDir dir_;
    tarnui::HeadlessBackend backend_;
    tarnui::ScopedBackend use_;
    tarnhost::SubstituteHost host_;
    std::vector<std::string> journal_;
};

// The component's command sink with its window on a substitute host with the given workspace,
// its models given the host's context strings; options and profile in a fresh directory.
class MapSinkTest : public ::testing::Test {
protected:
    MapSinkTest() : use_(backend_) { SetComponentResourceTable(&ResourceLibrary()->Table()); }
    ~MapSinkTest() override {
        sink_.reset();
        SetComponentResourceTable(nullptr);
    }

    void Start(std::unique_ptr<tarnhost::Workspace> workspace) {
        host_ = std::make_unique<tarnhost::SubstituteHost>(
            std::move(workspace),
            tarnhost::SubstituteHost::Options{.installDir = dir_.Path().string(),
                                              .hostPlaceholders = {},
                                              .configDir = dir_ / "config"});
        frames_ = std::make_unique<CViewFrameManager>(host_->Host());
        sink_ = std::make_unique<CTarnMapDataCommandSink>(host_->Host(), frames_.get());
        EXPECT_TRUE(sink_->CreateSinkWindow());
        const tarnhost::Contexts c = host_->ContextStrings();
        sink_->DataManager().SetContext(c.workspace, c.project, c.config, c.device);
    }

    // The view in a shown pane of its own, taken into the sink's list.
    CTarnDebugInstanceDataCtrlEx* Place(std::unique_ptr<CTarnDebugInstanceDataCtrlEx> view) {
        tarnui::Window* pane = frames_->CreatePane("{KEY}", "Map", 0x400, 0);
        EXPECT_TRUE(view->CreateViewWindow(pane, sink_.get()));
        frames_->RequestFrameState(pane, kFrameShowAndActivate);
        return sink_->AddView(std::move(view));
    }

    tarnhost::TempDir dir_;
    tarnui::HeadlessBackend backend_;
    tarnui::ScopedBackend use_;
    std::vector<std::string> journal_;  // outlives the views, which log their deletion
    std::unique_ptr<tarnhost::SubstituteHost> host_;
    std::unique_ptr<CViewFrameManager> frames_;
    std::unique_ptr<CTarnMapDataCommandSink> sink_;
};

}  // namespace shelltest
