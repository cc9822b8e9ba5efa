#include "forms/app.h"

#include <algorithm>

#include "forms/host.h"
#include "state/module1.h"

namespace pelzaro {

App::App(Host& host) : state_(std::make_unique<Module1>()), m(*state_), host_(host) {}

App::~App() = default;

void App::adopt(std::type_index type, std::unique_ptr<Window> window) {
    Window& w = *window;
    windows_[type] = std::move(window);
    order_.push_back(&w);
    host_.windowLoaded(w);
    w.Form_Load();
}

void App::unload(Window& window) {
    for (auto it = windows_.begin(); it != windows_.end(); ++it) {
        if (it->second.get() != &window) continue;
        if (window.visible_) window.Hide();
        window.loaded_ = false;
        host_.windowUnloading(window);
        order_.erase(std::remove(order_.begin(), order_.end(), &window), order_.end());
        if (active_ == &window) active_ = nullptr;
        discarded_.push_back(std::move(it->second));
        windows_.erase(it);
        return;
    }
}

std::vector<Window*> App::windows() const { return order_; }

void App::activate(Window& window) {
    if (window.role() == WindowRole::Dialog) return;
    if (window.role() == WindowRole::Page && pagesHeldBehind_) return;
    if (active_ == &window) return;
    active_ = &window;
    window.Form_Activate();
}

void App::popModal(Window& w) {
    modalStack_.erase(std::remove(modalStack_.begin(), modalStack_.end(), &w), modalStack_.end());
}

bool Host::passRefusal() {
    if (gates_ == 0) return true;
    if (refusalShown_) return false;
    refusalShown_ = true;
    return true;
}

RefusalGate::RefusalGate(Host& host) : host_(host) {
    if (host_.gates_++ == 0) host_.refusalShown_ = false;
}

RefusalGate::~RefusalGate() { --host_.gates_; }

void showError(Host& host, const std::string& text) {
    if (!host.passRefusal()) return;
    host.msgBox(Message{text, "エラーメッセージ", MsgButtons::OKOnly, MsgIcon::None, 1});
}

void showPrompt(Host& host, const std::string& text) {
    host.msgBox(Message{text, "エラーメッセージ", MsgButtons::OKOnly, MsgIcon::None, 1});
}

}  // namespace pelzaro
