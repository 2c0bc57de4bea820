# The Debian 12 packages the project needs, sourced by ./run and ./test.
BUILD_PACKAGES=(cmake ninja-build g++ pkg-config qt6-base-dev libsdl2-dev fonts-ipafont-gothic fonts-ipafont-mincho)
TEST_PACKAGES=(libgtest-dev libgmock-dev clang libclang-rt-14-dev xvfb xauth xdotool x11-utils imagemagick)
