#pragma once
// The program as one object: the design state, the host and every window, each created on its
// first reference. No global variables: every test builds a fresh App.

#include <memory>
#include <typeindex>
#include <unordered_map>
#include <vector>

#include "forms/window.h"

namespace pelzaro {

class Host;
struct Module1;

class App {
    std::unique_ptr<Module1> state_;  // declared first: m refers to it

public:
    explicit App(Host& host);
    ~App();
    App(const App&) = delete;
    App& operator=(const App&) = delete;

    Host& host() const { return host_; }
    Module1& m;  // the design state

    // The window of type W, created (with its creation step) on first reference.
    template <class W>
    W& get() {
        auto it = windows_.find(typeid(W));
        if (it != windows_.end()) return static_cast<W&>(*it->second);
        auto created = std::make_unique<W>(*this);
        W& window = *created;
        adopt(typeid(W), std::move(created));
        return window;
    }
    // The window of type W if it exists, without creating it.
    template <class W>
    W* find() const {
        auto it = windows_.find(typeid(W));
        return it == windows_.end() ? nullptr : static_cast<W*>(it->second.get());
    }
    template <class W>
    bool isLoaded() const {
        return find<W>() != nullptr;
    }
    template <class W>
    void unload() {
        if (W* w = find<W>()) unload(*w);
    }
    void unload(Window& window);

    // Existing windows in the order they were created.
    std::vector<Window*> windows() const;
    // The page, reference or main window that was activated last (never a modal dialog).
    Window* activeWindow() const { return active_; }
    void activate(Window& window);
    // The modal window now open, the innermost when several are.
    Window* modalWindow() const { return modalStack_.empty() ? nullptr : modalStack_.back(); }

    // While the print preview is open the input pages stay behind it: none of them becomes
    // the active window or takes the user's input, so the user cannot work on a page that the
    // preview's menus hide, nor open a second preview from a page beside it.
    void holdPagesBehind(bool held) { pagesHeldBehind_ = held; }
    bool pagesHeldBehind() const { return pagesHeldBehind_; }

private:
    friend class Window;
    void adopt(std::type_index type, std::unique_ptr<Window> window);
    void pushModal(Window& w) { modalStack_.push_back(&w); }
    void popModal(Window& w);

    Host& host_;
    std::unordered_map<std::type_index, std::unique_ptr<Window>> windows_;
    std::vector<Window*> order_;
    // Discarded windows stay alive until the App ends: a handler may still be running in one.
    std::vector<std::unique_ptr<Window>> discarded_;
    Window* active_ = nullptr;
    std::vector<Window*> modalStack_;
    bool pagesHeldBehind_ = false;
};

}  // namespace pelzaro
