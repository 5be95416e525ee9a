# `cpack -G DEB` in the build folder makes two Debian packages: tawen for
# learners and tawen-mklib for teachers who make courses.
set(CPACK_PACKAGE_NAME tawen)
set(CPACK_PACKAGE_VENDOR "The Tawen developers")
set(CPACK_PACKAGE_CONTACT "The Tawen developers <author@tawen.example.org>")
set(CPACK_PACKAGE_HOMEPAGE_URL "https://tawen.example.org/")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_COMPONENTS_ALL tawen mklib)

set(CPACK_DEB_COMPONENT_INSTALL ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION education)
# The libraries the binaries link come from dpkg-shlibdeps; what they open
# while running, and what they need beside them, is named here.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)

set(CPACK_DEBIAN_TAWEN_PACKAGE_NAME tawen)
# The first line of each description is its package's summary.
string(CONCAT CPACK_DEBIAN_TAWEN_DESCRIPTION
    "English vocabulary trainer for Chinese-speaking learners\n"
    "Flashcards, a small always-on-top ticker, a multiple-choice review, a typed\n"
    "recall test with hints, a progress curve, and two animated characters that\n"
    "quiz words and act out dialogues. Each learner keeps their own settings,\n"
    "personal word library and scores. The interface is Chinese.")
set(CPACK_DEBIAN_TAWEN_PACKAGE_DEPENDS
    "libespeak-ng1, espeak-ng-data, libflite1, pipewire-pulse | pulseaudio, qt6-wayland, \
fonts-noto-cjk, fonts-arphic-ukai, fonts-liberation2, fonts-comic-neue, fonts-dejavu-core")
set(CPACK_DEBIAN_TAWEN_PACKAGE_RECOMMENDS fcitx5-frontend-qt6)

set(CPACK_DEBIAN_MKLIB_PACKAGE_NAME tawen-mklib)
set(CPACK_DEBIAN_MKLIB_PACKAGE_SECTION devel)
string(CONCAT CPACK_DEBIAN_MKLIB_DESCRIPTION
    "word library tool for the Tawen vocabulary trainer\n"
    "Teachers' tool for Tawen's word libraries: makes course files from plain\n"
    "text or headword lists and reads them back.")

include(CPack)
