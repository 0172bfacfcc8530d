# rvl92-bench-coding: quality and speed of the coding engine against SQLite
# FTS5 (trigram tokenizer, bm25) in the same run; see README.md, "Coding".
add_executable(rvl92-bench-coding
    ${CMAKE_CURRENT_LIST_DIR}/main.cpp
    ${CMAKE_CURRENT_LIST_DIR}/evaluation.cpp ${CMAKE_CURRENT_LIST_DIR}/evaluation.h
    ${CMAKE_CURRENT_LIST_DIR}/fts5baseline.cpp ${CMAKE_CURRENT_LIST_DIR}/fts5baseline.h
    ${CMAKE_CURRENT_LIST_DIR}/../benchdata.cpp ${CMAKE_CURRENT_LIST_DIR}/../benchdata.h)
target_link_libraries(rvl92-bench-coding PRIVATE rvl92core rvl92textchange SQLite::SQLite3)
target_compile_definitions(rvl92-bench-coding PRIVATE
    RVL92_TREE_DIR="${RVL92_TREE_DIR}"
    RVL92_DEMODATA_EXE="$<TARGET_FILE:rvl92-demodata>"
    RVL92_CODEERTEST_EXE="$<TARGET_FILE:rvl92-codeertest>"
    RVL92_ESCO_TSV="${CMAKE_CURRENT_LIST_DIR}/../data/esco_nl_beroepen.tsv")
add_dependencies(rvl92-bench-coding rvl92-demodata rvl92_demodata rvl92-codeertest)
