# moc must run again when a file joins a target: Ninja's autogen step does not notice that by
# itself, so its stamp goes when the list of files changed since the last configure.
function(tolv_autogen_atual nome lista)
  set(arquivo_lista "${CMAKE_CURRENT_BINARY_DIR}/${nome}_fontes.txt")
  set(anterior "")
  if(EXISTS "${arquivo_lista}")
    file(READ "${arquivo_lista}" anterior)
  endif()
  if(NOT anterior STREQUAL lista)
    file(WRITE "${arquivo_lista}" "${lista}")
    file(REMOVE "${CMAKE_CURRENT_BINARY_DIR}/${nome}_autogen/timestamp")
  endif()
endfunction()

# One static library per layer, made of every source file of its folder.
# A layer links only what stands below it: the DEPENDE list says which.
function(tolv_camada nome)
  cmake_parse_arguments(A "" "" "DEPENDE;PRIVADO" ${ARGN})
  file(GLOB_RECURSE fontes CONFIGURE_DEPENDS
    "${CMAKE_CURRENT_SOURCE_DIR}/*.cpp" "${CMAKE_CURRENT_SOURCE_DIR}/*.h"
    "${CMAKE_CURRENT_SOURCE_DIR}/*.qrc")
  list(FILTER fontes INCLUDE REGEX "\\.(cpp|qrc)$")
  if(fontes)
    file(GLOB_RECURSE cabecalhos CONFIGURE_DEPENDS "${CMAKE_CURRENT_SOURCE_DIR}/*.h")
    add_library(${nome} STATIC ${fontes} ${cabecalhos})
    tolv_autogen_atual(${nome} "${fontes};${cabecalhos}")
    target_include_directories(${nome} PUBLIC "${PROJECT_SOURCE_DIR}/src")
    target_link_libraries(${nome} PUBLIC ${A_DEPENDE} PRIVATE ${A_PRIVADO})
  else()
    add_library(${nome} INTERFACE)
    target_include_directories(${nome} INTERFACE "${PROJECT_SOURCE_DIR}/src")
    target_link_libraries(${nome} INTERFACE ${A_DEPENDE})
  endif()
endfunction()

# One test program per folder of tests/, linking the layers it names and the test support.
# Each test case runs as its own CTest test; widgets run offscreen.
function(tolv_testes nome)
  cmake_parse_arguments(A "" "PASTA" "LIGA" ${ARGN})
  file(GLOB_RECURSE fontes CONFIGURE_DEPENDS "${CMAKE_CURRENT_SOURCE_DIR}/${A_PASTA}/*.cpp")
  if(NOT fontes)
    return()
  endif()
  add_executable(${nome} ${fontes})
  target_link_libraries(${nome} PRIVATE ${A_LIGA} GTest::gtest GTest::gmock)
  target_compile_definitions(${nome} PRIVATE
    TOLV_BANCOS_CONSTRUIDOS="${TOLV_PASTA_PROGRAMA}/DADOS")
  add_dependencies(${nome} bancos)
  gtest_discover_tests(${nome} DISCOVERY_MODE PRE_TEST NO_PRETTY_VALUES
    PROPERTIES ENVIRONMENT "QT_QPA_PLATFORM=offscreen")
endfunction()
