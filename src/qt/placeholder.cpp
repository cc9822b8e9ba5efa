namespace pelzaro_qt_placeholder {}
