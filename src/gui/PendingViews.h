#pragma once

#include "forms/ExtractFormView.h"
#include "forms/Form5View.h"
#include "forms/Form6View.h"

namespace sorvane {

// The preview, wait and progress windows come into being only after the main window's
// creation handler has run, but the wizard's behaviour is put together
// before that. These stand in for their views until the windows exist: a
// window that is not there yet is hidden and ignores what it is told.

class PendingForm5View final : public Form5View {
 public:
  void Bind(Form5View& window) { window_ = &window; }

  void SetDoubleBuffered(bool on) override {
    if (window_ != nullptr) window_->SetDoubleBuffered(on);
  }
  bool IsVisible() override { return window_ != nullptr && window_->IsVisible(); }
  void Show() override {
    if (window_ != nullptr) window_->Show();
  }
  void Hide() override {
    if (window_ != nullptr) window_->Hide();
  }
  void SetPicture(const Picture& picture) override {
    if (window_ != nullptr) window_->SetPicture(picture);
  }

 private:
  Form5View* window_ = nullptr;
};

class PendingForm6View final : public Form6View {
 public:
  void Bind(Form6View& window) { window_ = &window; }

  void SetProgressRange(std::int32_t maximum) override {
    if (window_ != nullptr) window_->SetProgressRange(maximum);
  }
  void SetProgressPosition(std::int32_t position) override {
    if (window_ != nullptr) window_->SetProgressPosition(position);
  }
  void Show() override {
    if (window_ != nullptr) window_->Show();
  }
  void Hide() override {
    if (window_ != nullptr) window_->Hide();
  }

 private:
  Form6View* window_ = nullptr;
};

class PendingExtractFormView final : public ExtractFormView {
 public:
  void Bind(ExtractFormView& window) { window_ = &window; }

  void SetFileText(const std::string& text) override {
    if (window_ != nullptr) window_->SetFileText(text);
  }
  void SetCountText(const std::string& text) override {
    if (window_ != nullptr) window_->SetCountText(text);
  }
  void SetProgressPosition(std::int32_t perMille) override {
    if (window_ != nullptr) window_->SetProgressPosition(perMille);
  }
  void SetCancelEnabled(bool enabled) override {
    if (window_ != nullptr) window_->SetCancelEnabled(enabled);
  }
  void Show() override {
    if (window_ != nullptr) window_->Show();
  }
  void Hide() override {
    if (window_ != nullptr) window_->Hide();
  }

 private:
  ExtractFormView* window_ = nullptr;
};

}  // namespace sorvane
