#pragma once

#include <QString>

#include <optional>
#include <vector>

// One row of a verification's result list: the row kind (two characters) followed by its text,
// the keys that lead back to the field of a finding, and its severity and object number.
struct LinhaVerificacao {
  static constexpr int kLarguraDescricao = 300;
  static constexpr int kLarguraChave = 12;
  // Severity and object of every row that is not a finding.
  static constexpr int kOutra = 255;
  static constexpr int kAviso = 0;
  static constexpr int kErro = 1;

  QString descricao;
  QString aQuemPertence;  // A_QUEM_PERTENCE
  QString quemEh;         // QUEM_EH
  int gravidade = kOutra;
  int objeto = kOutra;

  QString Tipo() const { return descricao.left(2); }
  QString Texto() const { return descricao.mid(2); }
  // An error or a warning with a text.
  bool EhPendencia() const { return (gravidade == kErro || gravidade == kAviso) && !descricao.trimmed().isEmpty(); }
  // A finding that names a field (the go-to has somewhere to go).
  bool LevaAoCampo() const { return EhPendencia() && objeto != kOutra; }

  friend bool operator==(const LinhaVerificacao&, const LinhaVerificacao&) = default;
};

// The list of the last run kept on disk (DADOS/Verifica.xml): an XML data packet with the columns
// DESCRICAO, A_QUEM_PERTENCE, QUEM_EH, GRAVIDADE and OBJETO.
namespace ListaVerificacao {
QString Arquivo();
// Replaces the file (written aside, then renamed); false with the reason on failure.
bool Salva(const QString& caminho, const std::vector<LinhaVerificacao>& linhas, QString* erro = nullptr);
std::optional<std::vector<LinhaVerificacao>> Carrega(const QString& caminho, QString* erro = nullptr);
}  // namespace ListaVerificacao
