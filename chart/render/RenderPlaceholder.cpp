// The chart rendering library; its classes arrive file by file.
