# Precompiled Qt headers. Parsing Qt's headers is most of the work of
# compiling any file here, so they are compiled once per kind of target:
#  - each library (position-independent code) gets its own;
#  - executables share one per kind: "core" (Qt Core and Gui) and "ui" (also
#    Widgets), made by a small never-installed program of that kind.
# Only Qt's own module headers go in: they do not look at the QT_*_LIB macros
# that differ between targets (QTest does, so it stays out).
option(RVL92_PCH "Precompile the Qt headers" ON)

set(RVL92_PCH_CORE
    <QtCore/QByteArray> <QtCore/QCoreApplication> <QtCore/QDir> <QtCore/QFile>
    <QtCore/QFileInfo> <QtCore/QHash> <QtCore/QList> <QtCore/QObject> <QtCore/QPointer>
    <QtCore/QRegularExpression> <QtCore/QSet> <QtCore/QString> <QtCore/QStringList>
    <QtCore/QTemporaryDir> <QtCore/QTextStream> <QtCore/QTimer> <QtGui/QGuiApplication>
    <QtGui/QKeyEvent> <QtGui/QTextDocument> <QtGui/QScreen>)
set(RVL92_PCH_UI ${RVL92_PCH_CORE}
    <QtGui/QAction> <QtWidgets/QApplication> <QtWidgets/QComboBox> <QtWidgets/QGridLayout>
    <QtWidgets/QGroupBox> <QtWidgets/QHBoxLayout> <QtWidgets/QHeaderView> <QtWidgets/QLabel>
    <QtWidgets/QLineEdit> <QtWidgets/QPlainTextEdit> <QtWidgets/QPushButton>
    <QtWidgets/QTableView> <QtWidgets/QTextEdit> <QtWidgets/QVBoxLayout> <QtWidgets/QWidget>)

# Lets a compiler cache keep objects built with a precompiled header.
if(CMAKE_CXX_COMPILER_ID STREQUAL "GNU")
    set(RVL92_PCH_OPTIONS -fpch-preprocess)
endif()

# rvl92_precompile_library(<target> core|ui): a library's own header set.
function(rvl92_precompile_library target kind)
    if(NOT RVL92_PCH)
        return()
    endif()
    string(TOUPPER ${kind} kind)
    target_precompile_headers(${target} PRIVATE ${RVL92_PCH_${kind}})
    target_compile_options(${target} PRIVATE ${RVL92_PCH_OPTIONS})
endfunction()

# rvl92_precompile_program(<target> core|ui): reuses the shared header set of
# that kind; the program must link at least the Qt modules of the kind.
function(rvl92_precompile_program target kind)
    if(NOT RVL92_PCH)
        return()
    endif()
    set(provider rvl92_pch_${kind})
    if(NOT TARGET ${provider})
        string(TOUPPER ${kind} headers)
        add_executable(${provider} EXCLUDE_FROM_ALL ${PROJECT_SOURCE_DIR}/cmake/pchmain.cpp)
        if(kind STREQUAL "ui")
            target_link_libraries(${provider} PRIVATE Qt6::Widgets)
        else()
            target_link_libraries(${provider} PRIVATE Qt6::Gui)
        endif()
        target_precompile_headers(${provider} PRIVATE ${RVL92_PCH_${headers}})
        target_compile_options(${provider} PRIVATE ${RVL92_PCH_OPTIONS})
    endif()
    target_precompile_headers(${target} REUSE_FROM ${provider})
    target_compile_options(${target} PRIVATE ${RVL92_PCH_OPTIONS})
endfunction()
