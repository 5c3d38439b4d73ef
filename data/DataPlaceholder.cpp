// The record framework and series dataset; their classes arrive file by file.
