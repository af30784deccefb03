#pragma once

#include <QUrl>

// What the program asks of the desktop: open a web page or a document in the program the user
// associated with it.
class IShell {
 public:
  virtual ~IShell() = default;
  // False when nothing could be asked to open it.
  virtual bool abre(const QUrl& endereco) = 0;
  // Whether a program that opens web pages is installed.
  virtual bool temNavegador() const = 0;
};

// The installed shell (the desktop's unless a stand-in was installed).
IShell& Shell();
// Installs a stand-in (not owned); nullptr restores the desktop's. Returns the one installed before.
IShell* InstalaShell(IShell* shell);
