# The Debian package: everything `cmake --install` puts under /usr, packed by CPack's DEB
# generator. Library dependencies come from dpkg-shlibdeps; the version from project().
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME quotella)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "The Quotella developers")
set(CPACK_PACKAGE_CONTACT ${QUOTELLA_MAINTAINER})
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_PACKAGE_DIRECTORY ${CMAKE_BINARY_DIR}/packages)
set(CPACK_STRIP_FILES ON)
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "constructor for quotation acrostics")
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER ${QUOTELLA_MAINTAINER})
# A tool for making puzzles, not a game to play: its programs live in /usr/bin.
set(CPACK_DEBIAN_PACKAGE_SECTION misc)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE ${QUOTELLA_HOMEPAGE})
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# Not a library: the printed page, PDF and picture exports set their text in these fonts.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-liberation, wordnet-base")
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
set(CPACK_DEBIAN_COMPRESSION_TYPE xz)
# CPack puts the summary above this text and indents it as a control file needs.
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION
    "Quotella helps compose quotation acrostics for print. A quotation is laid
into numbered cells; each letter of the author-and-work string starts one
answer word, and the answer words use up exactly the letters of the quotation.

It checks quotations, finds answer words in a bundled English dictionary and
in word lists, searches every three-word solution, fills all empty answers
by itself, keeps the clues, and prints the puzzle and its key or writes them
as PDF, PNG, SVG, ipuz file or playable web page. The command-line tool
quotella-cli runs the same jobs without a window.")
include(CPack)
