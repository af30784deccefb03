#pragma once

#include <array>
#include <memory>
#include <optional>

class TArquivoDados;
class TDataAccess;
class TLinhaI;
class TRegistroTransferObject;

// The storing side of the import pass: one transfer object per position, each record type routed
// to the position the analysis gave it (TRegrasAnalisador::PosicaoPersistencia), and the pass's
// commits. The run hands it every importable line in file order (Importa) and, after the last one,
// ends the pass (Conclui); it commits every 5,002 stored groups and at the end.
//
// Failures are thrown to the run: what was committed stays, the rest goes with the data access.
class TobjectPersistencia {
 public:
  static constexpr int kPosicoes = 21;
  // Groups stored between two commits of the pass, less one.
  static constexpr int kLimiteObjetos = 5001;

  TobjectPersistencia(TDataAccess& banco, TArquivoDados& dados);
  ~TobjectPersistencia();
  TobjectPersistencia(const TobjectPersistencia&) = delete;
  TobjectPersistencia& operator=(const TobjectPersistencia&) = delete;

  void SetIndice(int posicao);
  int GetIndice() const { return m_indice; }
  // Whether the line begins a new group: its type is not the current object's, or the current
  // object's group is complete before it (in which case the line is marked in it).
  bool NovoObjeto(const TLinhaI& linha);
  void Preenche(const TLinhaI& linha);
  // Stores the current object's group and clears the marks of the objects it ends.
  void Grava();

  // One importable line: when it begins a new group, the group it ends is stored (when its write
  // permission holds) and every 5,002nd group commits; then the line fills its object. The
  // permission of the new group is the one given, when the run decides it (an INF line, whose
  // beneficiary must exist), else the current one.
  void Importa(const TLinhaI& linha, std::optional<bool> permissao = std::nullopt);
  // After the last line: commits, stores the last group (when a line came and its permission
  // holds) and commits again.
  void Conclui();

  bool PermissaoGravar() const { return m_permissao; }

 private:
  TDataAccess& m_banco;
  std::array<std::unique_ptr<TRegistroTransferObject>, kPosicoes> m_objetos;
  int m_indice = 0;
  bool m_primeira = true;
  bool m_permissao = true;
  int m_contador = 0;
};
