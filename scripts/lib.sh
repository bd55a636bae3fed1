# Shared by the scripts: install what is missing, then configure and build.
# Sourced, not run.

TESSARO_ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
JOBS="${JOBS:-$(nproc 2>/dev/null || echo 2)}"

# What a build needs on a fresh Debian 12 machine.
# qt6-tools-dev and qt6-l10n-tools build the translations; qt6-translations-l10n translates
# Qt's own dialogs.
BUILD_PACKAGES=(cmake make g++ qt6-base-dev qt6-svg-dev libgl-dev fonts-dejavu-core
                nlohmann-json3-dev qt6-tools-dev qt6-tools-dev-tools qt6-l10n-tools
                qt6-translations-l10n)
# cpack's Debian generator reads the binaries' types with file(1) and their libraries with
# dpkg-shlibdeps; a clean Debian has neither.
PACKAGE_PACKAGES=(dpkg-dev file)
# pdflatex compiles the LaTeX export; pdftotext and pdftoppm read the PDF export back.
# qt6-base-private-dev lets the accessibility tests switch on the events a screen reader gets.
TEST_PACKAGES=(libgtest-dev libbenchmark-dev desktop-file-utils appstream texlive-latex-base
               poppler-utils qt6-base-private-dev "${PACKAGE_PACKAGES[@]}")

as_root() {
  if [ "$(id -u)" -eq 0 ]; then "$@"; else sudo "$@"; fi
}

# Installs the Debian packages that are not installed yet; does nothing when all are.
ensure_packages() {
  local missing=()
  local pkg
  for pkg in "$@"; do
    if ! dpkg-query -W -f='${Status}' "$pkg" 2>/dev/null | grep -q "install ok installed"; then
      missing+=("$pkg")
    fi
  done
  if [ "${#missing[@]}" -gt 0 ]; then
    echo "Installing: ${missing[*]}"
    as_root apt-get update -qq
    as_root env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends "${missing[@]}"
  fi
}

# configure_and_build <build dir> <cmake options...>
configure_and_build() {
  local dir="$1"
  shift
  cmake -S "$TESSARO_ROOT" -B "$dir" "$@"
  cmake --build "$dir" -j "$JOBS"
}
