#pragma once

// The hourglass for as long as it lives; nothing without a GUI application.
class CursorEspera {
 public:
  CursorEspera();
  ~CursorEspera();
  CursorEspera(const CursorEspera&) = delete;
  CursorEspera& operator=(const CursorEspera&) = delete;

 private:
  bool m_ativo;
};
