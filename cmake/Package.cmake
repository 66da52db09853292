# The Debian package, built by scripts/package.sh: clavito_<version>_<arch>.deb.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME clavito)
set(CPACK_PACKAGE_VENDOR "Clavito")
set(CPACK_PACKAGE_CONTACT "Clavito developers <clavito@users.noreply.github.com>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Play MIDI from the typing keyboard and mouse")
set(CPACK_PACKAGE_DESCRIPTION
    "Clavito turns the computer's typing keyboard and mouse into a MIDI instrument, with a built-in General\n"
    "MIDI synthesizer and ALSA sequencer and JACK MIDI output ports.")
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION sound)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE https://github.com/clavito/clavito)
# The linked libraries come from the binary itself. FluidSynth is loaded with dlopen when the built-in
# synthesizer (the default output) is first used, so it is named here, with the SoundFont and the fonts.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "libfluidsynth3 (>= 2.0.5), fluid-soundfont-gm | timgm6mb-soundfont, fonts-liberation2")
# Without the Wayland plugin Qt runs the window through XWayland on a Wayland desktop.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "fonts-ipafont-gothic, fonts-dejavu-core, qt6-wayland")
set(CPACK_DEBIAN_PACKAGE_SUGGESTS "jackd2 | pipewire-jack")
set(CPACK_STRIP_FILES ON)
include(CPack)
