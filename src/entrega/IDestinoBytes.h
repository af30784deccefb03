#pragma once

#include <QString>

#include <QtGlobal>

class QFileDevice;

// Where the bytes of a declaration file go. A write that fails answers false and keeps the
// system's reason.
class IDestinoBytes {
 public:
  virtual ~IDestinoBytes() = default;
  virtual bool Grava(const char* dados, qint64 tamanho) = 0;
  // Pushes what the destination still holds down to the file.
  virtual bool Conclui() = 0;
  virtual QString Erro() const = 0;
};

// The open file itself.
class DestinoArquivo : public IDestinoBytes {
 public:
  explicit DestinoArquivo(QFileDevice& arquivo) : m_arquivo(arquivo) {}
  bool Grava(const char* dados, qint64 tamanho) override;
  bool Conclui() override;
  QString Erro() const override;

 private:
  QFileDevice& m_arquivo;
};
