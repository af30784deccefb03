#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

#include <cstdint>
#include <optional>
#include <utility>
#include <vector>

// The transmission envelope appended to a declaration file, written and read by this one module.
// Format: Windows-1252 lines ending in CR LF, one attribute a line, each ending in `"/>` with its
// value right after the line's first double quote:
//   <envelope_tolv versao="1"/>
//   <retificadora valor="0"/>            text attributes
//   <hash_arquivo id valor="...=="/>     Base64 attributes
//   <tamanho_envelope valor="0000000850"/>  the envelope's own size in bytes, always last
// The file before the envelope stays byte for byte as it was. No record line of a declaration
// contains "id valor=" or "controle_bvd".
//
// The calls answer 0 or one of the negative codes below (MensagemErro gives their texts).
class EnvelopeTolv {
 public:
  enum Codigo : int {
    kOk = 0,
    kEnvelopeInexistente = -1,
    kHandleInvalido = -2,
    kArquivoInexistente = -3,
    kErroGravacao = -4,
    kBufferInsuficiente = -5,
    kXmlMalFormatado = -6,
    kEnvelopeDanificado = -7,
    kAtributoNaoEncontrado = -8,
    kVersaoNaoEncontrada = -9,
  };
  static constexpr const char* kMarcaControle = "controle_bvd";
  static constexpr const char* kMarcaBase64 = "id valor=";

  EnvelopeTolv() = default;

  // Opens the file (mode 1; any other mode is refused with kHandleInvalido) and loads the
  // envelope it already carries, if any. kArquivoInexistente for a missing file,
  // kEnvelopeDanificado for an envelope whose lines or size do not hold together.
  int Abrir(int modo, const QString& caminho);
  bool Aberto() const { return !m_caminho.isEmpty(); }
  // Forgets every attribute (the file is untouched until SalvarEnvelope).
  int Limpar();
  // A text attribute; kAtributoNaoEncontrado for a name the envelope does not know, the
  // attribute's own code (-100 to -120) for a value it refuses.
  int SetValor(const QString& atributo, const QString& valor);
  // An attribute kept in Base64.
  int SetValorB64(const QString& atributo, const QByteArray& dados);
  // Replaces the file's envelope (or appends one) with the attributes set, in the order first
  // set, and makes it durable. kErroGravacao when the file could not be written.
  int SalvarEnvelope();
  // Bytes of the envelope at the end of the file; 0 when there is none.
  int64_t GetTamanhoEnvelope() const { return m_tamanho; }

  // The attributes as loaded or set: text values as they stand, Base64 ones decoded.
  std::optional<QString> Valor(const QString& atributo) const;
  std::optional<QByteArray> ValorB64(const QString& atributo) const;

  // The text of a code of the envelope; empty for any other value.
  static QString MensagemErro(int codigo);
  // The value of one envelope line (with or without its line break): what follows its first
  // double quote, less the closing `"/>`. Empty when the line has no such value.
  static QByteArray ValorDaLinha(QByteArrayView linha);

 private:
  struct Atributo {
    QString nome;
    bool base64 = false;
    QByteArray valor;  // Windows-1252 text, or the raw bytes of a Base64 attribute
  };
  int Define(const QString& atributo, bool base64, const QByteArray& valor);
  int Carrega();

  QString m_caminho;
  int64_t m_tamanho = 0;
  std::vector<Atributo> m_atributos;
};
