#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <QStringView>

#include <cstdint>

// One record of the declaration file being composed: its identifier and its fields, each
// followed by "|", in Windows-1252. A text that the layout cannot carry (the field separator, a
// line break, a character outside the code page, the envelope's markers) raises ErroGravacao
// naming the record and the field, instead of corrupting the file.
class LinhaRegistro {
 public:
  // Starts a record; `chave` tells the user which one (a beneficiary's number), may be empty.
  void Inicia(QByteArrayView identificador, const QString& chave = {});
  // Digits and indicators the program made itself.
  void Ascii(QByteArrayView valor);
  // A text of the declaration, checked; `campo` is the field's name in the layout.
  void Texto(const char* campo, QStringView texto);
  // An amount in whole cents; zero is an empty field.
  void Centavos(int64_t centavos);
  // A whole number written out, zero included ("0").
  void Inteiro(int64_t numero);
  void Vazio();
  // a to z become A to Z in the whole line.
  void Maiusculas();

  const QByteArray& Bytes() const { return m_linha; }
  QByteArrayView Identificador() const { return m_identificador; }

 private:
  [[noreturn]] void Recusa(const char* campo, const QString& motivo) const;

  QByteArray m_linha;
  QByteArray m_identificador;
  QString m_chave;
};
