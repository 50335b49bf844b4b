#include "Grundlinien.h"

#include "Testsammlung.h"

#include <algorithm>
#include <array>
#include <cerrno>
#include <chrono>
#include <cstring>
#include <fcntl.h>
#include <filesystem>
#include <functional>
#include <map>
#include <memory>
#include <stdexcept>
#include <unistd.h>
#include <vector>

namespace {

constexpr std::size_t Blockgroesse = 1 << 20;

[[noreturn]] void Scheitere(const std::string& was, const std::string& pfad) {
  throw std::runtime_error(was + " " + pfad + ": " + std::strerror(errno));
}

double MedianVonFuenf(const std::function<void()>& arbeit, const std::function<void()>& danach) {
  std::array<double, 5> sekunden;
  for (double& mal : sekunden) {
    const auto anfang = std::chrono::steady_clock::now();
    arbeit();
    mal = std::chrono::duration<double>(std::chrono::steady_clock::now() - anfang).count();
    danach();
  }
  std::nth_element(sekunden.begin(), sekunden.begin() + 2, sekunden.end());
  return sekunden[2];
}

}  // namespace

void LiesRoh(const std::string& pfad) {
  const int fd = open(pfad.c_str(), O_RDONLY | O_CLOEXEC);
  if (fd < 0) Scheitere("kann nicht öffnen:", pfad);
  const std::size_t groesse = static_cast<std::size_t>(Dateigroesse(pfad));
  const std::unique_ptr<char[]> puffer(new char[groesse + 1]);
  std::size_t gelesen = 0;
  for (;;) {
    const ssize_t n = read(fd, puffer.get() + gelesen, std::min(Blockgroesse, groesse + 1 - gelesen));
    if (n < 0 && errno == EINTR) continue;
    if (n < 0) Scheitere("kann nicht lesen:", pfad);
    if (n == 0) break;
    gelesen += static_cast<std::size_t>(n);
  }
  close(fd);
  benchmark::DoNotOptimize(puffer.get());
}

void SchreibeMitFsync(std::uintmax_t bytes, const std::string& pfad) {
  const std::vector<char> block(Blockgroesse, 'x');
  const int fd = open(pfad.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
  if (fd < 0) Scheitere("kann nicht anlegen:", pfad);
  for (std::uintmax_t rest = bytes; rest > 0;) {
    const ssize_t n = write(fd, block.data(), static_cast<std::size_t>(std::min<std::uintmax_t>(rest, Blockgroesse)));
    if (n < 0 && errno == EINTR) continue;
    if (n < 0) Scheitere("kann nicht schreiben:", pfad);
    rest -= static_cast<std::uintmax_t>(n);
  }
  if (fsync(fd) != 0) Scheitere("fsync scheitert:", pfad);
  close(fd);
}

double GrundlinieLesen(const std::string& pfad) {
  static std::map<std::string, double> gemessen;
  auto [eintrag, neu] = gemessen.try_emplace(pfad);
  if (neu) eintrag->second = MedianVonFuenf([&] { LiesRoh(pfad); }, [] {});
  return eintrag->second;
}

double GrundlinieSchreiben(std::uintmax_t bytes) {
  static std::map<std::uintmax_t, double> gemessen;
  auto [eintrag, neu] = gemessen.try_emplace(bytes);
  if (neu) {
    const std::string pfad = Benchordner() + "/Grundlinie.bin";
    eintrag->second = MedianVonFuenf([&] { SchreibeMitFsync(bytes, pfad); }, [&] { std::filesystem::remove(pfad); });
  }
  return eintrag->second;
}

benchmark::Counter Vielfaches(double sekunden) {
  // The library divides by the time and multiplies by the iterations, then
  // inverts: time per iteration / sekunden.
  return benchmark::Counter(sekunden, benchmark::Counter::kIsIterationInvariantRate | benchmark::Counter::kInvert);
}
