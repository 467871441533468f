#include "win32/desktop_program.hpp"

#include <commctrl.h>
#include <windowsx.h>

#include <algorithm>

#include <exception>

#include "app/commands.hpp"
#include "app/keyboard.hpp"
#include "app/map_window.hpp"
#include "app/messages.hpp"
#include "app/paste.hpp"
#include "app/reaction_errors.hpp"
#include "app/startup.hpp"
#include "app/working_folder.hpp"
#include "formats/credits.hpp"
#include "win32/pictures.hpp"
#include "win32/resource_ids.h"
#include "win32/wide_text.hpp"

namespace brelosta {
namespace {

// The program's name in the about window, this many times the dialog font.
constexpr double kNameScale = 1.8;

// The map window's layout, dialog units (see its template): the margin, the
// canvas's top, the width of Cerrar, the height of the status lines under
// the canvas, and the smallest size the window may take.
constexpr int kMapMargin = 7;
constexpr int kMapCanvasTop = 34;
constexpr int kMapCloseWidth = 50;
constexpr int kMapStatusHeight = 30;
constexpr int kMapLeastWidth = 300;
constexpr int kMapLeastHeight = 200;

std::string windowText(HWND window) {
  std::wstring text(static_cast<std::size_t>(GetWindowTextLengthW(window)) + 1, L'\0');
  text.resize(static_cast<std::size_t>(GetWindowTextW(window, text.data(), static_cast<int>(text.size()))));
  return utf8Text(text);
}

SIZE clientSize(HWND window) {
  RECT r;
  GetClientRect(window, &r);
  return {r.right - r.left, r.bottom - r.top};
}

HFONT derivedFont(HWND window, double scale, bool bold) {
  LOGFONTW font{};
  GetObjectW(reinterpret_cast<HFONT>(SendMessageW(window, WM_GETFONT, 0, 0)), sizeof font, &font);
  font.lfHeight = static_cast<LONG>(font.lfHeight * scale);
  if (bold) font.lfWeight = FW_BOLD;
  return CreateFontIndirectW(&font);
}

}  // namespace

DesktopProgram::DesktopProgram(NumberFormat numberFormat)
    : toolkit_(state_), app_{state_, toolkit_}, binder_(state_) {
  state_.numberFormat = numberFormat;
  INITCOMMONCONTROLSEX controls{sizeof controls, ICC_STANDARD_CLASSES | ICC_PROGRESS_CLASS};
  InitCommonControlsEx(&controls);

  MapCanvasWindow::registerClass();

  main_ = createDialog(IDD_MAIN, nullptr);
  progress_ = createDialog(IDD_PROGRESO, main_);
  preview_ = createDialog(IDD_PREVIEW, main_);
  about_ = createDialog(IDD_ABOUT, main_);
  map_ = createDialog(IDD_MAPA, main_);
  binder_.bindDialog("Main", main_);
  binder_.bindDialog("Progreso", progress_);
  binder_.bindDialog("Preview", preview_);
  binder_.bindDialog("About", about_);
  binder_.bindDialog("Mapa", map_);
  mapCanvas_ = std::make_unique<MapCanvasWindow>(GetDlgItem(map_, IDC_Mapa_Lienzo), state_.Map);
  connectMapCanvas();
  // The method frame and the code frame move up into the place of the
  // geoid frame while it is hidden.
  binder_.stackFrames({"Frame8", "Conversion", "Frame7"});
  orderTabStops();

  showPictures();

  toolkit_.dialogOwner = [this]() -> HWND {
    HWND active = GetActiveWindow();
    for (HWND dialog : {main_, progress_, preview_, about_, map_})
      if (active == dialog) return active;
    return main_;
  };
  toolkit_.beforeConversionDialog = [this] { refresh(); };
  toolkit_.showProgress = [this](const ProgressWindowState& progress) {
    progressCopy_.Progreso = progress;
    binder_.show(progressCopy_, "Progreso");
  };
}

DesktopProgram::~DesktopProgram() {
  // A conversion still running is cancelled; the windows keep answering
  // while it ends.
  if (worker_.joinable()) {
    toolkit_.requestCancel();
    while (!workerDone_) {
      MSG message;
      while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) DispatchMessageW(&message);
      Sleep(1);
    }
    if (worker_.joinable()) worker_.join();
  }
  mapCanvas_.reset();
  for (HWND dialog : {map_, about_, preview_, progress_, main_})
    if (dialog != nullptr) DestroyWindow(dialog);
  for (HICON icon : icons_) DestroyIcon(icon);
  for (HFONT font : fonts_) DeleteObject(font);
}

// The windows' icon, the convert buttons' arrows and the about window's
// picture, name and credits.
void DesktopProgram::showPictures() {
  for (HWND dialog : {main_, progress_, preview_, about_, map_}) {
    for (const auto& [which, metric] : {std::pair{ICON_BIG, SM_CXICON}, std::pair{ICON_SMALL, SM_CXSMICON}}) {
      HICON icon = programIcon(GetSystemMetrics(metric));
      icons_.push_back(icon);
      SendMessageW(dialog, WM_SETICON, static_cast<WPARAM>(which), reinterpret_cast<LPARAM>(icon));
    }
  }
  for (const auto& [id, rightwards] : {std::pair{IDC_Command1, true}, std::pair{IDC_Command2, false}}) {
    HWND button = GetDlgItem(main_, id);
    const SIZE size = clientSize(button);
    HICON arrow = arrowIcon(rightwards, size.cx * 3 / 4, size.cy * 2 / 3);
    icons_.push_back(arrow);
    SendMessageW(button, BM_SETIMAGE, IMAGE_ICON, reinterpret_cast<LPARAM>(arrow));
  }
  HWND picture = GetDlgItem(about_, IDC_About_Picture);
  HICON large = programIcon(clientSize(picture).cx);
  icons_.push_back(large);
  SendMessageW(picture, STM_SETICON, reinterpret_cast<WPARAM>(large), 0);
  HWND name = GetDlgItem(about_, IDC_About_Name);
  fonts_.push_back(derivedFont(name, kNameScale, true));
  SendMessageW(name, WM_SETFONT, reinterpret_cast<WPARAM>(fonts_.back()), FALSE);
  HWND madeBy = GetDlgItem(about_, IDC_About_Elaborado);
  fonts_.push_back(derivedFont(madeBy, 1.0, true));
  SendMessageW(madeBy, WM_SETFONT, reinterpret_cast<WPARAM>(fonts_.back()), FALSE);
  std::string credits;
  for (const std::string_view line : kAboutCreditLines) credits += (credits.empty() ? "" : "\r\n") + std::string(line);
  SetDlgItemTextW(about_, IDC_About_Credits, wideText(credits).c_str());
}

// Tab walks the main window panel by panel, top to bottom: a dialog's tab
// order is its children's order, which the template's frames interleave.
void DesktopProgram::orderTabStops() {
  HWND previous = HWND_TOP;
  for (const std::string_view name : tabOrder()) {
    HWND next = window(name);
    if (next == nullptr || next == main_) continue;
    SetWindowPos(next, previous, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    previous = next;
  }
}

HWND DesktopProgram::createDialog(int resource, HWND owner) {
  HWND dialog = CreateDialogParamW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(resource), owner,
                                   dialogProcedure, reinterpret_cast<LPARAM>(this));
  if (dialog == nullptr) throw std::runtime_error("no se pudo crear la ventana");
  return dialog;
}

void DesktopProgram::start(const std::filesystem::path& workingFolder) {
  react([&] { startUp(app_, workingFolder); });
}

void DesktopProgram::start(const WorkingFolder& working, const std::filesystem::path& shipped) {
  react([&] { startInWorkingFolder(app_, working, shipped); });
}

void DesktopProgram::refresh() {
  binder_.show(state_);
  mapCanvas_->repaint();
}

// The canvas's pointer and keys run their reactions as the buttons do; its
// size is the state's while no conversion thread writes the state.
void DesktopProgram::connectMapCanvas() {
  MapCanvasWindow& canvas = *mapCanvas_;
  canvas.stateReadable = [this] { return !converting(); };
  canvas.wheelTurned = [this](double steps, PixelPoint pointer) {
    if (!busy()) react([&] { turnMapWheel(app_, steps, pointer); });
  };
  canvas.dragged = [this](double dx, double dy) {
    if (!busy()) react([&] { dragMap(app_, dx, dy); });
  };
  canvas.arrowPressed = [this](MapArrow arrow) {
    if (!busy()) react([&] { moveMap(app_, arrow); });
  };
  canvas.zoomKeyPressed = [this](bool nearer) { clicked(nearer ? state_.Map.Mas : state_.Map.Menos); };
  canvas.resized = [this](CanvasSize size) {
    if (!converting()) resizeMap(app_, size);
  };
  resizeMap(app_, canvas.size());
}

void DesktopProgram::layOutMap() {
  RECT client;
  GetClientRect(map_, &client);
  // The template's margins and rows, dialog units.
  RECT units{kMapMargin, kMapCanvasTop, kMapCloseWidth, kMapStatusHeight};
  MapDialogRect(map_, &units);
  const int margin = units.left;
  const int width = std::max(1L, client.right - 2 * margin);
  const auto move = [&](int id, int x, int y, int w, int h) {
    SetWindowPos(GetDlgItem(map_, id), nullptr, x, y, w, h, SWP_NOZORDER | SWP_NOACTIVATE);
  };
  RECT close;
  GetWindowRect(GetDlgItem(map_, IDC_Mapa_Cerrar), &close);
  MapWindowPoints(nullptr, map_, reinterpret_cast<POINT*>(&close), 2);
  move(IDC_Mapa_Cerrar, client.right - margin - units.right, close.top, units.right, close.bottom - close.top);
  RECT source;
  GetWindowRect(GetDlgItem(map_, IDC_Mapa_Fuente), &source);
  MapWindowPoints(nullptr, map_, reinterpret_cast<POINT*>(&source), 2);
  move(IDC_Mapa_Fuente, margin, source.top, width, source.bottom - source.top);
  const int statusTop = client.bottom - units.bottom;
  move(IDC_Mapa_Lienzo, margin, units.top, width, std::max(1L, statusTop - units.top - margin / 2));
  const int line = units.bottom / 3;
  move(IDC_Mapa_Estado, margin, statusTop, width, line);
  move(IDC_Mapa_Aviso, margin, statusTop + line, width, units.bottom - line);
  RedrawWindow(map_, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
}

HWND DesktopProgram::window(std::string_view name) const {
  const ControlBinder::Binding* binding = binder_.find(name);
  return binding != nullptr ? binding->window : nullptr;
}

bool DesktopProgram::dispatchDialogMessage(MSG& message) {
  const HWND dialogs[] = {main_, progress_, preview_, about_, map_};
  if (message.message == WM_KEYDOWN && message.wParam == VK_F1) {
    for (HWND dialog : dialogs)
      if (message.hwnd == dialog || IsChild(dialog, message.hwnd)) {
        clicked(state_.Master);
        return true;
      }
  }
  const bool control = (GetKeyState(VK_CONTROL) & 0x8000) != 0;
  if (message.message == WM_KEYDOWN && message.wParam == 'V' && control &&
      (message.hwnd == main_ || IsChild(main_, message.hwnd)) && pastePressed(message.hwnd))
    return true;
  for (HWND dialog : dialogs)
    if (IsDialogMessageW(dialog, &message)) return true;
  return false;
}

INT_PTR CALLBACK DesktopProgram::dialogProcedure(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_INITDIALOG) {
    SetWindowLongPtrW(dialog, GWLP_USERDATA, lParam);
    return TRUE;
  }
  auto* program = reinterpret_cast<DesktopProgram*>(GetWindowLongPtrW(dialog, GWLP_USERDATA));
  return program != nullptr ? program->handle(dialog, message, wParam, lParam) : FALSE;
}

INT_PTR DesktopProgram::handle(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
  if (dialog == map_ && mapCanvas_ != nullptr) {
    switch (message) {
      case WM_SIZE:
        layOutMap();
        return TRUE;
      case WM_GETMINMAXINFO: {
        RECT least{0, 0, kMapLeastWidth, kMapLeastHeight};
        MapDialogRect(map_, &least);
        auto* limits = reinterpret_cast<MINMAXINFO*>(lParam);
        limits->ptMinTrackSize = {least.right, least.bottom};
        return TRUE;
      }
      case WM_MOUSEWHEEL:
        // Over the map's window, whichever of its controls has the focus.
        mapCanvas_->wheel(GET_WHEEL_DELTA_WPARAM(wParam), {GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)});
        return TRUE;
      default:
        break;
    }
  }
  switch (message) {
    case WM_COMMAND:
      command(dialog, LOWORD(wParam), HIWORD(wParam));
      return TRUE;
    case WM_CLOSE:
      closeRequested(dialog);
      return TRUE;
    case WM_SETCURSOR:
      if (!toolkit_.waitCursorOn()) return FALSE;
      SetCursor(LoadCursorW(nullptr, IDC_WAIT));
      SetWindowLongPtrW(dialog, DWLP_MSGRESULT, TRUE);
      return TRUE;
    default:
      return FALSE;
  }
}

void DesktopProgram::command(HWND dialog, int id, int code) {
  if (id == IDOK) {
    if (dialog == main_) enterPressed(GetFocus());
    return;
  }
  if (id == IDCANCEL) {
    // Escape closes a secondary window as its close button does; the main
    // window stays.
    if (dialog != main_) closeRequested(dialog);
    return;
  }
  const ControlBinder::Binding* binding = binder_.find(dialog, id);
  if (binding == nullptr || binder_.showing()) return;
  Control& control = *binding->control;
  switch (control.kind) {
    case ControlKind::MenuEntry:
      clicked(control);
      break;
    case ControlKind::Button:
    case ControlKind::Check:
    case ControlKind::Label:
      if (code == BN_CLICKED) clicked(control);
      break;
    case ControlKind::List:
    case ControlKind::EditableList:
      if (code == CBN_SELCHANGE)
        selected(control, static_cast<int>(SendMessageW(binding->window, CB_GETCURSEL, 0, 0)));
      else if (code == CBN_EDITCHANGE)
        edited(control, binding->window);
      break;
    case ControlKind::Box:
      if (code == EN_CHANGE) edited(control, binding->window);
      break;
    default:
      break;
  }
}

// Enter in the main window: in a panel's box it presses that panel's
// convert button (through clicked, so a file run goes to the worker thread);
// elsewhere it does nothing, and no button of the window is a default
// button.
void DesktopProgram::enterPressed(HWND focus) {
  const ControlBinder::Binding* binding = binder_.find(main_, GetDlgCtrlID(focus));
  if (binding == nullptr) return;
  if (Control* button = convertButtonForEnter(state_, *binding->control)) clicked(*button);
}

bool DesktopProgram::pastePressed(HWND focus) {
  if (busy()) return false;
  const ControlBinder::Binding* binding = binder_.find(main_, GetDlgCtrlID(focus));
  const bool textBox = binding != nullptr && binding->control->kind == ControlKind::Box;
  if (!textBox) {
    if (!state_.Pegar.enabled) return false;
    clicked(state_.Pegar);
    return true;
  }
  const auto side = pasteSide(state_, *binding->control);
  const auto text = readClipboardText();
  if (!side || !text || !holdsRows(*text)) return false;
  runInBackground([this, source = *side] { pastePoints(app_, source); });
  return true;
}

void DesktopProgram::closeRequested(HWND dialog) {
  if (dialog == main_) {
    if (converting())
      toolkit_.requestCancel();
    else
      toolkit_.endProgram();
  } else if (dialog == progress_) {
    clicked(state_.Progreso.Ok);
  } else if (dialog == preview_) {
    clicked(state_.Preview.Salida);
  } else if (dialog == about_) {
    clicked(state_.About.Command1);
  } else if (dialog == map_) {
    clicked(state_.Map.Cerrar);
  }
}

void DesktopProgram::react(const std::function<void()>& reaction) {
  reacting_ = true;
  runReportingFailures(app_, reaction);
  reacting_ = false;
  refresh();
}

void DesktopProgram::clicked(Control& control) {
  if (converting() && &control == &state_.Progreso.Cancelar) toolkit_.requestCancel();
  if (busy()) return;
  if (clickStartsFileRun(state_, control)) {
    runInBackground([this, &control] { click(app_, control); });
    return;
  }
  react([&] { click(app_, control); });
}

void DesktopProgram::selected(Control& control, int index) {
  if (busy()) return;
  react([&] { selectIndex(app_, control, index); });
}

void DesktopProgram::edited(Control& control, HWND window) {
  if (busy()) return;
  control.text = windowText(window);
}

void DesktopProgram::runInBackground(std::function<void()> job) {
  toolkit_.startRun();
  binder_.setInteractive(false);
  refresh();
  workerDone_ = false;
  worker_ = std::thread([this, job = std::move(job)] {
    runReportingFailures(app_, job);
    workerDone_ = true;
    toolkit_.post([this] { conversionEnded(); });
  });
}

void DesktopProgram::conversionEnded() {
  if (!worker_.joinable()) return;
  worker_.join();
  toolkit_.endRun();
  binder_.setInteractive(true);
  refresh();
}

}  // namespace brelosta
