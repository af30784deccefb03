#pragma once

#include <QString>
#include <QStringList>

// Windows-style settings files ([section], key=value lines), Windows-1252 on disk.
// Sections and keys are compared without regard to case; the file is opened around each call,
// so what one window writes the next read sees. Writing replaces the file atomically and
// creates the file, the section or the key as needed.
class ArquivoIni {
 public:
  explicit ArquivoIni(QString caminho);

  const QString& caminho() const { return m_caminho; }

  QString le(const QString& secao, const QString& chave, const QString& padrao = {}) const;
  bool existe(const QString& secao, const QString& chave) const;
  // Returns false when the file could not be written (the old file stays as it was).
  bool grava(const QString& secao, const QString& chave, const QString& valor) const;
  bool apaga(const QString& secao, const QString& chave) const;
  QStringList chaves(const QString& secao) const;

  // "0" is false and any other number true; anything else reads as the default.
  bool leBooleano(const QString& secao, const QString& chave, bool padrao) const;
  bool gravaBooleano(const QString& secao, const QString& chave, bool valor) const;
  int leInteiro(const QString& secao, const QString& chave, int padrao) const;

 private:
  QString m_caminho;
};
