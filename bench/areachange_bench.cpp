// An area change as the user sees it: the real main window (offscreen) loads
// the area, fills its list, shows the selected unit and paints. Runs over a
// copy of the compiled data.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QComboBox>
#include <cstdlib>
#include <filesystem>
#include <string>

#include "catalogue.h"
#include "clipboard.h"
#include "helpviewer.h"
#include "qtmessageboxes.h"
#include "tmywindow.h"
#include "uifonts.h"

namespace {

using namespace mensurio;

int AreaNamed(const char* name) {
  for (int n = 1; n <= kAreaCount; ++n)
    if (std::string(AreaCatalogue(n).name) == name) return n;
  std::abort();
}

const int kVolumen = AreaNamed("Volumen");  // the largest area, 389 units
const int kLaenge = AreaNamed("Länge");     // 382 units

struct Window {
  ui::QtMessageBoxes boxes;
  ui::QtClipboard clipboard;
  ui::QtHelpViewer help;
  ui::TMyWindow window{ui::Platform{boxes, clipboard, help}};
};

Window& OpenWindow() {
  static Window* w = [] {
    char pattern[] = "/tmp/mensurio-bench-XXXXXX";
    std::filesystem::path dir = ::mkdtemp(pattern);
    for (const auto& e : std::filesystem::directory_iterator(MENSURIO_BUILD_DATA))
      if (e.is_regular_file()) std::filesystem::copy_file(e.path(), dir / e.path().filename());
    std::filesystem::current_path(dir);
    auto* opened = new Window;
    if (!opened->window.FormCreate()) std::abort();
    opened->window.FormShow();
    opened->window.show();
    QApplication::processEvents();
    return opened;
  }();
  return *w;
}

void ChangeTo(ui::TMyWindow& window, int area) {
  window.ComboBox1->setCurrentIndex(area - 1);
  window.ComboBox1Change();
  window.repaint();
}

// Every iteration changes between the two largest areas, so each one is a
// real change; the figure is the time of one change.
void BM_AreaChangeBetweenLargest(benchmark::State& state) {
  ui::TMyWindow& window = OpenWindow().window;
  bool volumen = false;
  for (auto _ : state) {
    volumen = !volumen;
    ChangeTo(window, volumen ? kVolumen : kLaenge);
  }
  state.counters["units"] = static_cast<double>(window.units.size());
}
BENCHMARK(BM_AreaChangeBetweenLargest)->Unit(benchmark::kMillisecond);

// The change into each area from "Länge".
void BM_AreaChangeInto(benchmark::State& state) {
  ui::TMyWindow& window = OpenWindow().window;
  const int area = static_cast<int>(state.range(0));
  for (auto _ : state) {
    state.PauseTiming();
    ChangeTo(window, area == kLaenge ? kVolumen : kLaenge);
    state.ResumeTiming();
    ChangeTo(window, area);
  }
}
BENCHMARK(BM_AreaChangeInto)->DenseRange(1, kAreaCount)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
  ::setenv("QT_QPA_PLATFORM", "offscreen", 0);
  QApplication app(argc, argv);
  ui::InstallFonts();
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
