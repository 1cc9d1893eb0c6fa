# Where an install puts things, and the helpers every folder's install rules
# use. The layout is the usual one (bin/, lib/, share/volemo/, the desktop's
# share/ folders); everything the programs load is found relative to their own
# folder, so an installed tree, like the build tree, runs wherever it is moved.
# Libraries go to the multiarch folder where the system has one (Debian), for
# every prefix: the Debian package then follows the distribution's layout,
# and the loader's configuration names /usr/local/lib/<arch> too.
if(CMAKE_LIBRARY_ARCHITECTURE)
  set(CMAKE_INSTALL_LIBDIR lib/${CMAKE_LIBRARY_ARCHITECTURE} CACHE PATH "Object code libraries (LIBDIR)")
endif()
include(GNUInstallDirs)

# The one application id: desktop entry, AppStream, icons, MIME package and
# the window's desktop file name.
set(VOLEMO_APP_ID org.volemo.Volemo)

# Shared libraries only Volemo loads (modules opened with dlopen by file name)
# live in a folder of their own beneath the library folder.
set(VOLEMO_MODULE_DIR ${CMAKE_INSTALL_LIBDIR}/volemo)
set(VOLEMO_DATA_DIR ${CMAKE_INSTALL_DATADIR}/volemo)

# Paths between install folders, for RUNPATHs and the data lookup. The
# install folders are relative to the prefix, so any root shows the relation.
file(RELATIVE_PATH VOLEMO_BIN_TO_LIB /r/${CMAKE_INSTALL_BINDIR} /r/${CMAKE_INSTALL_LIBDIR})
file(RELATIVE_PATH VOLEMO_BIN_TO_MODULES /r/${CMAKE_INSTALL_BINDIR} /r/${VOLEMO_MODULE_DIR})
file(RELATIVE_PATH VOLEMO_MODULES_TO_LIB /r/${VOLEMO_MODULE_DIR} /r/${CMAKE_INSTALL_LIBDIR})
file(RELATIVE_PATH VOLEMO_BIN_TO_DATA /r/${CMAKE_INSTALL_BINDIR} /r/${VOLEMO_DATA_DIR})

# In the build tree every program and library is in build/bin, the tests in
# build/tests: RUNPATHs there are $ORIGIN-relative too, so a copy of
# build/bin loads its own libraries, never the build tree's.
set(CMAKE_BUILD_RPATH_USE_ORIGIN ON)

# Installed targets carry one RUNPATH that serves both trees: the install
# folders first, then their own folder for the build tree. (Rewriting the
# RUNPATH at install time would pad the build tree's with empty entries,
# which the loader reads as the working directory.)
function(volemo_set_runpath target)
  set_target_properties(${target} PROPERTIES BUILD_WITH_INSTALL_RPATH ON INSTALL_RPATH "${ARGN};$ORIGIN")
endfunction()

# volemo_install_program(target): a program into bin/, finding the public
# libraries and the modules from there.
function(volemo_install_program target)
  volemo_set_runpath(${target} "$ORIGIN/${VOLEMO_BIN_TO_LIB}" "$ORIGIN/${VOLEMO_BIN_TO_MODULES}")
  install(TARGETS ${target} RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
endfunction()

# volemo_install_module(target): a shared library the programs load but no
# other program links (no header, no development link), into the module
# folder. Add one by calling this in its folder's CMakeLists.txt; the
# programs then find it by its file name alone (dlopen("libNAME.so")).
function(volemo_install_module target)
  volemo_set_runpath(${target} "$ORIGIN/${VOLEMO_MODULES_TO_LIB}")
  install(TARGETS ${target} LIBRARY DESTINATION ${VOLEMO_MODULE_DIR} NAMELINK_SKIP)
endfunction()
